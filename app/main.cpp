#include "shell/Mainform.h"
#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Malvo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Malvo"));
    QApplication::setDesktopFileName(QStringLiteral("malvo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/malvo.png")));

    // The windows in their order of creation; the main window reads the options, and the
    // windows made after it read them in their own creation.
    QStringList params = QApplication::arguments();
    params.removeFirst();
    TMainform mainform(params);
    mainform.show();
    return app.exec();
}
