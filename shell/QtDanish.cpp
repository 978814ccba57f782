#include "shell/QtDanish.h"
#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>

namespace {

struct TPair {
    const char* Context;
    const char* English;
    const char* Dansk;
};

// The texts of Qt's file dialog, file list and standard buttons that a user of the program
// meets, by their context in Qt.
constexpr TPair kTexts[] = {
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "%1 findes allerede.\nVil du erstatte den?"},
    {"QFileDialog", "Look in:", "Kig i:"},
    {"QFileDialog", "File &name:", "&Filnavn:"},
    {"QFileDialog", "Files of type:", "Filtype:"},
    {"QFileDialog", "&Open", "&Åben"},
    {"QFileDialog", "&Save", "&Gem"},
    {"QFileDialog", "&Choose", "&Vælg"},
    {"QFileDialog", "Cancel", "Annuller"},
    {"QFileDialog", "Back", "Tilbage"},
    {"QFileDialog", "Forward", "Frem"},
    {"QFileDialog", "Parent Directory", "Overordnet mappe"},
    {"QFileDialog", "Create New Folder", "Opret ny mappe"},
    {"QFileDialog", "New Folder", "Ny mappe"},
    {"QFileDialog", "List View", "Listevisning"},
    {"QFileDialog", "Detail View", "Detaljevisning"},
    {"QFileDialog", "Recent Places", "Seneste steder"},
    {"QFileDialog", "Show &hidden files", "Vis &skjulte filer"},
    {"QFileDialog", "&Rename", "&Omdøb"},
    {"QFileDialog", "&Delete", "&Slet"},
    {"QFileDialog", "&New Folder", "&Ny mappe"},
    {"QFileDialog", "All Files (*)", "Alle filer (*)"},
    {"QFileSystemModel", "Name", "Navn"},
    {"QFileSystemModel", "Size", "Størrelse"},
    {"QFileSystemModel", "Type", "Type"},
    {"QFileSystemModel", "Date Modified", "Ændret"},
    {"QFileSystemModel", "Computer", "Computer"},
    {"QFileSystemModel", "My Computer", "Denne computer"},
    {"QAbstractFileIconProvider", "Folder", "Mappe"},
    {"QAbstractFileIconProvider", "Drive", "Drev"},
    {"QAbstractFileIconProvider", "File", "Fil"},
    {"QAbstractFileIconProvider", "%1 File", "%1-fil"},
    {"QPlatformTheme", "&Yes", "&Ja"},
    {"QPlatformTheme", "&No", "&Nej"},
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Cancel", "Annuller"},
    {"QPlatformTheme", "&Cancel", "&Annuller"},
    {"QPlatformTheme", "Close", "Luk"},
    {"QPlatformTheme", "Apply", "Anvend"},
};

} // namespace

TQtDanish::TQtDanish(QObject* parent) : QTranslator(parent)
{
    // qt_da.qm names the catalogues of the Qt modules (qtbase_da.qm holds the dialogs).
    if (!FQt.load(QLocale(QLocale::Danish), QStringLiteral("qt"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        (void)FQt.load(QLocale(QLocale::Danish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString TQtDanish::translate(const char* context, const char* sourceText, const char* disambiguation, int n) const
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        for (const TPair& p : kTexts)
            t.insert(QLatin1String(p.Context) + QLatin1Char('|') + QLatin1String(p.English), QString::fromUtf8(p.Dansk));
        return t;
    }();
    if (!context || !sourceText)
        return {};
    const QString own = table.value(QLatin1String(context) + QLatin1Char('|') + QString::fromUtf8(sourceText));
    return own.isEmpty() ? FQt.translate(context, sourceText, disambiguation, n) : own;
}

void TQtDanish::Follow(bool Engelsk)
{
    if (Engelsk == !FInstalled)
        return;
    if (Engelsk)
        QCoreApplication::removeTranslator(this);
    else
        QCoreApplication::installTranslator(this);
    FInstalled = !Engelsk;
}
