#include "app/CommandLine.h"
#include <QSet>
#include <cstdlib>

namespace {

// Qt's general options that QApplication takes out of the arguments itself.
const QSet<QString>& QtOptionsWithValue()
{
    static const QSet<QString> names{"platform", "platformpluginpath", "platformtheme", "plugin",
                                     "style", "stylesheet", "session", "qwindowgeometry",
                                     "qwindowtitle", "qwindowicon", "display", "geometry"};
    return names;
}

const QSet<QString>& QtFlags()
{
    static const QSet<QString> names{"reverse", "widgetcount", "nograb", "dograb", "sync"};
    return names;
}

QString Tr(bool engelsk, const char* dansk, const char* english)
{
    return QString::fromUtf8(engelsk ? english : dansk);
}

}  // namespace

TCommandLine TCommandLine::Parse(int argc, char** argv)
{
    TCommandLine result;
    bool onlyPictures = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (onlyPictures || arg.size() < 2 || !arg.startsWith(QLatin1Char('-'))) {
            result.Pictures.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            onlyPictures = true;
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            result.Action = caHelp;
            return result;
        } else if (arg == QLatin1String("-v") || arg == QLatin1String("--version")) {
            result.Action = caVersion;
            return result;
        } else {
            // Qt accepts its options with one or two dashes, and a value either as the next
            // argument or after "=".
            QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
            const qsizetype eq = name.indexOf(QLatin1Char('='));
            const bool valueAttached = eq >= 0;
            if (valueAttached)
                name.truncate(eq);
            if (QtOptionsWithValue().contains(name) && (valueAttached || i + 1 < argc)) {
                if (!valueAttached)
                    ++i;
            } else if (!QtFlags().contains(name) || valueAttached) {
                result.Action = caWrongOption;
                result.WrongOption = arg;
                return result;
            }
        }
    }
    return result;
}

QString TCommandLine::UsageText(bool engelsk, const QString& dataFolder)
{
    return Tr(engelsk,
              "Brug: malvo [TILVALG]... [BILLEDE]...\n"
              "Malvo er et tegneprogram til billeder i JPEG, BMP og ikon.\n"
              "Hvert BILLEDE der findes som fil, åbnes når programmet starter.\n"
              "\n"
              "Tilvalg:\n"
              "  -h, --help     vis denne hjælp og afslut\n"
              "  -v, --version  vis programmets version og afslut\n"
              "  --             alt efter dette er billeder, også navne med - først\n"
              "Qt's egne tilvalg (-platform, -style, -reverse ...) gives videre til Qt.\n"
              "\n"
              "Datamappe: %1\n"
              "Miljøvariablen MALVO_HOME vælger en anden datamappe\n"
              "(uden den: ~/Malvomappe).\n",
              "Usage: malvo [OPTION]... [PICTURE]...\n"
              "Malvo is a paint program for JPEG, BMP and icon pictures.\n"
              "Every PICTURE that exists as a file is opened when the program starts.\n"
              "\n"
              "Options:\n"
              "  -h, --help     show this help and exit\n"
              "  -v, --version  show the program's version and exit\n"
              "  --             everything after this is a picture, even a name like -x\n"
              "Qt's own options (-platform, -style, -reverse ...) are passed on to Qt.\n"
              "\n"
              "Data folder: %1\n"
              "The environment variable MALVO_HOME chooses another data folder\n"
              "(without it: ~/Malvomappe).\n")
        .arg(dataFolder);
}

QString TCommandLine::VersionText()
{
    return QStringLiteral("malvo %1\n").arg(QStringLiteral(MALVO_VERSION));
}

QString TCommandLine::WrongOptionText(bool engelsk, const QString& option)
{
    return Tr(engelsk,
              "malvo: ukendt tilvalg '%1'\nSkriv 'malvo --help' for at se tilvalgene.\n",
              "malvo: unknown option '%1'\nTry 'malvo --help' for the options.\n")
        .arg(option);
}

bool TCommandLine::EnglishLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return !QString::fromLatin1(value).startsWith(QLatin1String("da"));
    }
    return true;
}
