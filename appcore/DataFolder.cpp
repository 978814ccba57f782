#include "appcore/DataFolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include "platform/SafeWrite.h"
#include <pwd.h>
#include <unistd.h>

namespace {

bool MakeFolder(const QString& Path)
{
    return QDir().mkpath(Path);
}

// Copies every file below From into the same relative place below To, where To has no
// file of that name yet.
void CopyMissing(const QString& From, const QString& To)
{
    const QDir source(From);
    QDirIterator it(From, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = To + "/" + source.relativeFilePath(file);
        if (QFileInfo::exists(target))
            continue;
        MakeFolder(QFileInfo(target).path());
        // Through the safe write, so a full disk leaves no half file and is reported.
        QFile source(file);
        if (source.open(QIODevice::ReadOnly))
            WriteFileSafely(target, source.readAll());
    }
}

} // namespace

TDataFolder::TDataFolder(const QString& BaseFolder, const QString& UserName) : Base(BaseFolder)
{
    Programfiler = Base + "/Programfiler";
    if (IsSafeFolderName(UserName)) {
        Brugernavn = UserName;
        Dir = Base + "/" + UserName;
    } else {
        Dir = Programfiler;
    }
    KlicheBib = Dir + "/Cliches";
    KlipbordBib = Dir + "/Klipbord";
    OptFilnavn = Dir + "/OptionsMDI.opt";
    StringFilnavn = Dir + "/Progstring.txt";
    openFilesFilnavn = Dir + "/OpenFiles.txt";
    MenuItemsFilnavn = Dir + "/MenuItems.txt";
    ProgItemFilnavn = Dir + "/ProgItem.txt";
    FavoritMapperFilnavn = Dir + "/favoritmapper.txt";
    FavoritFilerFilnavn = Dir + "/favoritfiler.txt";
    LagerpalFilnavn = Dir + "/Lagerpal.txt";
    InformationFilnavn = Dir + "/Information.txt";
    SingleUserOptFilnavn = Programfiler + "/OptionsMDI.opt";
    infoDir = Programfiler + "/Information/Tekstfiler/";
    PaletDir = Programfiler + "/Palet";
    DefaultPalFilnavn = PaletDir + "/Mixed.pal";
    DefaultGalBib = Base + "/Billeder";
}

TDataFolder TDataFolder::FromEnvironment()
{
    return TDataFolder(DataFolderBase(), PlatformUserName());
}

QString TDataFolder::DataFolderBase()
{
    const QString home = qEnvironmentVariable("MALVO_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    return QDir::cleanPath(QDir::homePath() + "/Malvomappe");
}

QString TDataFolder::PlatformUserName()
{
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

bool TDataFolder::IsSafeFolderName(const QString& Name)
{
    return !Name.isEmpty() && Name != "." && Name != ".." && !Name.contains(u'/') &&
           !Name.contains(QChar(0));
}

bool TDataFolder::Prepare(const QString& ShippedData) const
{
    MakeFolder(Base);
    for (const QString& folder : {Programfiler, infoDir, PaletDir, DefaultGalBib})
        MakeFolder(folder);
    const bool made = MakeFolder(Dir) && MakeFolder(KlicheBib) && MakeFolder(KlipbordBib);
    if (!ShippedData.isEmpty()) {
        CopyMissing(ShippedData + "/help", infoDir);
        CopyMissing(ShippedData + "/palettes", PaletDir);
    }
    return made;
}

QString TDataFolder::ShippedDataFolder()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {qEnvironmentVariable("MALVO_DATA"),
                                    appDir + "/../share/malvo", appDir + "/data",
                                    QStringLiteral(MALVO_SOURCE_DATA)};
    for (const QString& folder : candidates) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return QString();
}
