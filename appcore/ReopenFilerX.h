#pragma once
#include "appcore/ReopenFiler.h"

class QListWidget;

// A favourites list (folders or files): no capacity, entries in the user's order, kept in a
// list file of caption and path pairs and shown in a list box. Every change that the user
// makes is saved at once.
class TReopenFilerX : public TReopenFiler {
public:
    explicit TReopenFilerX(QObject* parent = nullptr);

    // The list box that shows the captions; clicks and double clicks reach the handlers.
    void SetListeBoks(QListWidget* Boks);
    QListWidget* ListeBoks() const { return FListeBoks; }
    // A click on an entry whose file or folder exists (Capnavn, Filnavn); vanished ones are
    // reported with a message instead.
    std::function<void(const QString& Capnavn, const QString& Filnavn)> OnListeKlik;
    std::function<void(const QString& Capnavn, const QString& Filnavn)> OnDblListeKlik;
    // Asks whether every entry is to be deleted; True means yes.
    std::function<bool()> AskClearAll;

    void InsertItem(const QString& FNavn, const QString& MenuCaption) override;
    void DeleteItem(const QString& FNavn) override;
    void DeleteItem(const QString& FNavn, bool Opdater);
    void DeleteItemByCaption(const QString& CapNavn) override;
    void DeleteItem(int Index) override;
    // Asks, then empties, saves and refills.
    void SletAlleItems();
    void DeleteAlleItems();
    // Swap with the neighbour above or below, keep it selected, save; False at the end.
    bool flytOp(int aIndex);
    bool flytNed(int aIndex);
    // Refills the list box.
    void MakeListeMenu();

    // The entry at Index is clicked or double-clicked (the checks and the handlers).
    void ListeKlik(int Index, bool Dobbelt);
    // True when the selected entry's file or folder exists.
    bool SelectedExists() const;
    int Selected() const;

    void HentReopenFiler() override;
    bool GemReopenFiler() const override;

private:
    bool Swap(int a, int b);
    void Changed();

    QListWidget* FListeBoks = nullptr;
};

// The caption of a favourite folder: its last path component ("/" for the root).
QString FolderCaption(const QString& Folder);
