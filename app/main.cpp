#include "shell/Mainform.h"
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Malvo"));
    TMainform mainform;
    mainform.show();
    return app.exec();
}
