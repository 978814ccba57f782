#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The offscreen platform's screens for the tests: a 1400 x 1000 desktop, as the Xvfb screen
// the program is looked at on, and a smaller 1024 x 768 screen to its right, so windows can
// be placed on a screen smaller than they are.
const char kScreens[] = R"({"screens": [
  {"name": "Main", "x": 0, "y": 0, "width": 1400, "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "Small", "x": 1400, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
]})";

} // namespace

// Every test program runs with a QApplication on the offscreen platform and, unless the
// caller set one, a private data folder that is removed afterwards.
int main(int argc, char** argv)
{
    QTemporaryDir home, screens;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        QFile config(screens.filePath(QStringLiteral("screens.json")));
        if (config.open(QIODevice::WriteOnly) && config.write(kScreens) > 0) {
            config.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    if (qEnvironmentVariableIsEmpty("MALVO_HOME"))
        qputenv("MALVO_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
