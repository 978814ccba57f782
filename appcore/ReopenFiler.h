#pragma once
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;

// One entry of a recent-files or favourites list.
struct TReopenRec {
    QString Caption;
    QString Filnavn;
};

// What a list holds: files (entries of vanished files are dropped), folders, or anything.
enum TItemtype { itFil, itBibliotek, itAndet };

// The recent-files list: entries newest first, at most Filantal of them, kept in a list file
// (MenuItems.txt: the capacity, the count, then caption and file name of every entry) and
// shown as items of a submenu from MenuStartNr on.
class TReopenFiler : public QObject {
public:
    explicit TReopenFiler(QObject* parent = nullptr) : QObject(parent) {}

    QString Itemfile;
    int Filantal = 10;
    TItemtype Itemtype = itFil;
    QMenu* MainItem = nullptr;
    int MenuStartNr = 0;
    QIcon EntryIcon;
    QString DeleteItemCap, DeleteItemHint;
    bool MedMenuStreg = false;
    // An entry was chosen; Filnavn is empty when its file or folder has vanished.
    std::function<void(QAction* Sender, const QString& Filnavn)> OnKlik;

    int Antal() const { return int(FRopen.size()); }
    const QList<TReopenRec>& Ropen() const { return FRopen; }
    QString GetCaption(int Index) const;
    QString GetFilnavn(int Index) const;

    // Puts the file at the top, removing an entry of the same name; files must exist. A
    // name with a line break cannot be stored in the list file and is not listed.
    virtual void InsertItem(const QString& FNavn, const QString& MenuCaption);
    // Remove the first entry of that name (exact), of that caption, or at that place.
    virtual void DeleteItem(const QString& FNavn);
    virtual void DeleteItemByCaption(const QString& CapNavn);
    virtual void DeleteItem(int Index);
    // Empties the list and removes its menu items.
    void DeleteAllItems();
    // Empties the list, deletes its file and forgets the file's name.
    void DeleteItemFile();

    // Rebuilds the submenu's items from MenuStartNr on.
    void MakeMenu();
    // Chooses entry k: a vanished file or folder is cleared (and, unless itAndet, removed)
    // and OnKlik is told.
    void Choose(int k, QAction* Sender = nullptr);

    virtual void HentReopenFiler();
    virtual bool GemReopenFiler() const;

protected:
    // Puts the entry at the top, removing one of the same name (exact, as Linux names differ
    // by case); False when the name cannot be listed or the file is missing.
    bool PutFirst(const QString& FNavn, const QString& MenuCaption);
    // True when the entry's file or folder is gone, by the list's kind.
    bool Vanished(const QString& Filnavn) const;
    static bool Listable(const QString& Text);
    int IndexOf(const QString& FNavn) const;

    QList<TReopenRec> FRopen;
};
