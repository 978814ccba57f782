#pragma once
#include <QString>
#include <QStringList>

// The program's command line, read before any window exists so that --help, --version and a
// wrong option work without a display. Qt's own options (-platform, -style ...) are let
// through for QApplication; every other argument names a picture to open.
class TCommandLine {
public:
    enum TAction { caRun, caHelp, caVersion, caWrongOption };

    static TCommandLine Parse(int argc, char** argv);

    TAction Action = caRun;
    QStringList Pictures;
    QString WrongOption;

    // What --help, --version and a wrong option print, in Danish when the locale is Danish.
    static QString UsageText(bool engelsk, const QString& dataFolder);
    static QString VersionText();
    static QString WrongOptionText(bool engelsk, const QString& option);
    // English unless LC_ALL, LC_MESSAGES or LANG (the first one set) names Danish.
    static bool EnglishLocale();
};
