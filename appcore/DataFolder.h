#pragma once
#include <QString>

// Where the program keeps its state: the base folder ($HOME/Malvomappe, or the folder named
// by MALVO_HOME), the per-user folder Dir inside it, and the names of every file and folder
// that lives there. Building a TDataFolder only computes names; Prepare creates the folders.
class TDataFolder {
public:
    // Names for the given base folder and platform user name. An empty user name, or one that
    // cannot be a single folder name (it holds "/" or is "." or ".."), gives no per-user folder:
    // Dir is then Base/Programfiler and Brugernavn is empty.
    TDataFolder(const QString& Base, const QString& UserName);
    // Names for this machine: DataFolderBase() and PlatformUserName().
    static TDataFolder FromEnvironment();

    // MALVO_HOME when set, else $HOME/Malvomappe.
    static QString DataFolderBase();
    // The login user's name, empty when the platform gives none.
    static QString PlatformUserName();
    // True when Name can be used as the name of one folder.
    static bool IsSafeFolderName(const QString& Name);

    // Creates the base folder, Dir, Dir/Cliches, Dir/Klipbord, Billeder and the Programfiler
    // folders where missing, and copies the shipped data (ShippedData/help into infoDir,
    // ShippedData/palettes into PaletDir, sub-folders included) where the user has no file of
    // that name yet; nothing of the user's is overwritten.
    // False when Dir or one of its two subfolders could not be made.
    bool Prepare(const QString& ShippedData) const;

    // The program's read-only shipped data folder (help pages, palettes, included clichés):
    // MALVO_DATA when set, else the installed place (<prefix>/share/malvo beside
    // <prefix>/bin), else the data folder of the source tree the program was built from.
    // Empty when none of them exists.
    static QString ShippedDataFolder();

    QString Base;              // the base folder
    QString Brugernavn;        // the platform user name used for Dir, or empty
    QString Dir;               // the per-user folder
    QString KlicheBib;         // Dir/Cliches
    QString KlipbordBib;       // Dir/Klipbord
    QString OptFilnavn;        // Dir/OptionsMDI.opt
    QString StringFilnavn;     // Dir/Progstring.txt
    QString openFilesFilnavn;  // Dir/OpenFiles.txt
    QString MenuItemsFilnavn;  // Dir/MenuItems.txt
    QString ProgItemFilnavn;   // Dir/ProgItem.txt
    QString FavoritMapperFilnavn; // Dir/favoritmapper.txt
    QString FavoritFilerFilnavn;  // Dir/favoritfiler.txt
    QString LagerpalFilnavn;   // Dir/Lagerpal.txt
    QString InformationFilnavn; // Dir/Information.txt
    QString Programfiler;      // Base/Programfiler
    QString SingleUserOptFilnavn; // Base/Programfiler/OptionsMDI.opt
    QString infoDir;           // Base/Programfiler/Information/Tekstfiler/ (with the slash)
    QString PaletDir;          // Base/Programfiler/Palet
    QString DefaultPalFilnavn; // Base/Programfiler/Palet/Mixed.pal
    QString DefaultGalBib;     // Base/Billeder
};
