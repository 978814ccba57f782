#include "app/CommandLine.h"
#include "appcore/DataFolder.h"
#include "shell/Mainform.h"
#include <QApplication>
#include <QIcon>
#include <cstdio>

namespace {

int Print(FILE* stream, const QString& text, int exitCode)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return exitCode;
}

}  // namespace

int main(int argc, char** argv)
{
    // The command line is answered before QApplication exists: --help and --version need no display.
    const TCommandLine commandLine = TCommandLine::Parse(argc, argv);
    const bool engelsk = TCommandLine::EnglishLocale();
    switch (commandLine.Action) {
    case TCommandLine::caHelp:
        return Print(stdout, TCommandLine::UsageText(engelsk, TDataFolder::DataFolderBase()), 0);
    case TCommandLine::caVersion:
        return Print(stdout, TCommandLine::VersionText(), 0);
    case TCommandLine::caWrongOption:
        return Print(stderr, TCommandLine::WrongOptionText(engelsk, commandLine.WrongOption), 2);
    case TCommandLine::caRun:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Malvo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Malvo"));
    QApplication::setApplicationVersion(QStringLiteral(MALVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("malvo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/malvo.png")));

    // The windows in their order of creation; the main window reads the options, and the
    // windows made after it read them in their own creation.
    TMainform mainform(commandLine.Pictures);
    mainform.show();
    return app.exec();
}
