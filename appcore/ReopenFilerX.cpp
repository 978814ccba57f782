#include "appcore/ReopenFilerX.h"
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include "appcore/Lists.h"
#include "appcore/Message.h"

TReopenFilerX::TReopenFilerX(QObject* parent) : TReopenFiler(parent)
{
    Filantal = 0;
    MedMenuStreg = true;
    MenuStartNr = 2;
}

QString FolderCaption(const QString& Folder)
{
    const QString clean = QDir::cleanPath(Folder);
    if (clean == QLatin1String("/"))
        return clean;
    const QString name = QFileInfo(clean).fileName();
    return name.isEmpty() ? clean : name;
}

void TReopenFilerX::SetListeBoks(QListWidget* Boks)
{
    FListeBoks = Boks;
    if (!Boks)
        return;
    connect(Boks, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        ListeKlik(FListeBoks->row(item), false);
    });
    connect(Boks, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ListeKlik(FListeBoks->row(item), true);
    });
    MakeListeMenu();
}

void TReopenFilerX::MakeListeMenu()
{
    if (!FListeBoks)
        return;
    const int keep = FListeBoks->currentRow();
    FListeBoks->setUpdatesEnabled(false);
    FListeBoks->clear();
    QStringList captions;
    captions.reserve(Antal());
    for (const TReopenRec& r : FRopen)
        captions << r.Caption;
    FListeBoks->addItems(captions);
    if (keep >= 0 && keep < Antal())
        FListeBoks->setCurrentRow(keep);
    FListeBoks->setUpdatesEnabled(true);
}

void TReopenFilerX::Changed()
{
    GemReopenFiler();
    MakeListeMenu();
}

void TReopenFilerX::InsertItem(const QString& FNavn, const QString& MenuCaption)
{
    // Favourites have no capacity.
    if (PutFirst(FNavn, MenuCaption))
        Changed();
}

void TReopenFilerX::DeleteItem(const QString& FNavn)
{
    DeleteItem(FNavn, true);
}

void TReopenFilerX::DeleteItem(const QString& FNavn, bool Opdater)
{
    TReopenFiler::DeleteItem(FNavn);
    if (Opdater)
        Changed();
}

void TReopenFilerX::DeleteItemByCaption(const QString& CapNavn)
{
    TReopenFiler::DeleteItemByCaption(CapNavn);
    Changed();
}

void TReopenFilerX::DeleteItem(int Index)
{
    TReopenFiler::DeleteItem(Index);
    Changed();
}

void TReopenFilerX::SletAlleItems()
{
    if (AskClearAll && !AskClearAll())
        return;
    DeleteAlleItems();
}

void TReopenFilerX::DeleteAlleItems()
{
    FRopen.clear();
    Changed();
}

bool TReopenFilerX::Swap(int a, int b)
{
    if (a < 0 || b < 0 || a >= Antal() || b >= Antal())
        return false;
    FRopen.swapItemsAt(a, b);
    Changed();
    if (FListeBoks)
        FListeBoks->setCurrentRow(b);
    return true;
}

bool TReopenFilerX::flytOp(int aIndex)
{
    return Swap(aIndex, aIndex - 1);
}

bool TReopenFilerX::flytNed(int aIndex)
{
    return Swap(aIndex, aIndex + 1);
}

int TReopenFilerX::Selected() const
{
    return FListeBoks ? FListeBoks->currentRow() : -1;
}

bool TReopenFilerX::SelectedExists() const
{
    const int i = Selected();
    return i >= 0 && i < Antal() && !Vanished(FRopen[i].Filnavn);
}

void TReopenFilerX::ListeKlik(int Index, bool Dobbelt)
{
    if (Index < 0 || Index >= Antal())
        return;
    const TReopenRec entry = FRopen[Index];
    if (Vanished(entry.Filnavn)) {
        // These two texts are Danish in both languages.
        ShowMessage(Itemtype == itBibliotek
                        ? QStringLiteral("Mappen blev ikke fundet.\rSlet eventuelt elementet fra listen.")
                        : QStringLiteral("Filen blev ikke fundet.\rSlet eventuelt elementet fra listen."));
        return;
    }
    if (OnListeKlik)
        OnListeKlik(entry.Caption, entry.Filnavn);
    if (Dobbelt && OnDblListeKlik)
        OnDblListeKlik(entry.Caption, entry.Filnavn);
}

void TReopenFilerX::HentReopenFiler()
{
    FRopen.clear();
    const QStringList lines = Itemfile.isEmpty() ? QStringList() : ReadTextList(Itemfile);
    for (int i = 0; i < lines.size(); ++i) {
        if (i % 2 == 0)
            FRopen.append({lines[i], QString()});
        else
            FRopen.last().Filnavn = lines[i];
    }
    MakeListeMenu();
}

bool TReopenFilerX::GemReopenFiler() const
{
    if (Itemfile.isEmpty())
        return true;
    QStringList lines;
    lines.reserve(2 * Antal());
    for (const TReopenRec& r : FRopen)
        lines << r.Caption << r.Filnavn;
    return WriteTextList(Itemfile, lines);
}
