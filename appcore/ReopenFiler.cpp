#include "appcore/ReopenFiler.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QRegularExpression>
#include "appcore/Lists.h"

namespace {

constexpr int kDefaultCapacity = 10;

int DecimalOr(const QString& S, int Default)
{
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]{1,9}$"));
    return decimal.match(S.trimmed()).hasMatch() ? S.trimmed().toInt() : Default;
}

} // namespace

QString TReopenFiler::GetCaption(int Index) const
{
    return Index >= 0 && Index < Antal() ? FRopen[Index].Caption : QString();
}

QString TReopenFiler::GetFilnavn(int Index) const
{
    return Index >= 0 && Index < Antal() ? FRopen[Index].Filnavn : QString();
}

bool TReopenFiler::Listable(const QString& Text)
{
    return !Text.contains(u'\n') && !Text.contains(u'\r');
}

bool TReopenFiler::Vanished(const QString& Filnavn) const
{
    switch (Itemtype) {
    case itFil: return !QFileInfo(Filnavn).isFile();
    case itBibliotek: return !QFileInfo(Filnavn).isDir();
    case itAndet: return false;
    }
    return false;
}

int TReopenFiler::IndexOf(const QString& FNavn) const
{
    for (int i = 0; i < Antal(); ++i)
        if (FRopen[i].Filnavn == FNavn)
            return i;
    return -1;
}

bool TReopenFiler::PutFirst(const QString& FNavn, const QString& MenuCaption)
{
    if (!Listable(FNavn) || !Listable(MenuCaption) || (Itemtype == itFil && !QFileInfo(FNavn).isFile()))
        return false;
    if (Itemtype != itAndet) {
        const int old = IndexOf(FNavn);
        if (old >= 0)
            FRopen.removeAt(old);
    }
    FRopen.prepend({MenuCaption, FNavn});
    return true;
}

void TReopenFiler::InsertItem(const QString& FNavn, const QString& MenuCaption)
{
    if (!PutFirst(FNavn, MenuCaption))
        return;
    const int capacity = std::max(1, Filantal);
    while (Antal() > capacity)
        FRopen.removeLast();
}

void TReopenFiler::DeleteItem(const QString& FNavn)
{
    const int i = IndexOf(FNavn);
    if (i >= 0)
        FRopen.removeAt(i);
}

void TReopenFiler::DeleteItemByCaption(const QString& CapNavn)
{
    for (int i = 0; i < Antal(); ++i)
        if (FRopen[i].Caption == CapNavn) {
            FRopen.removeAt(i);
            return;
        }
}

void TReopenFiler::DeleteItem(int Index)
{
    if (Index >= 0 && Index < Antal())
        FRopen.removeAt(Index);
}

void TReopenFiler::DeleteAllItems()
{
    FRopen.clear();
    MakeMenu();
}

void TReopenFiler::DeleteItemFile()
{
    FRopen.clear();
    if (!Itemfile.isEmpty())
        QFile::remove(Itemfile);
    Itemfile.clear();
}

void TReopenFiler::MakeMenu()
{
    if (!MainItem)
        return;
    const QList<QAction*> items = MainItem->actions();
    for (int i = MenuStartNr; i < items.size(); ++i) {
        MainItem->removeAction(items[i]);
        if (items[i]->parent() == this)
            items[i]->deleteLater();
    }
    if (Antal() == 0)
        return;
    for (int i = 0; i < Antal(); ++i) {
        if (Itemtype != itAndet && FRopen[i].Filnavn.isEmpty())
            break;
        auto* item = new QAction(EntryIcon, FRopen[i].Caption, this);
        item->setStatusTip(FRopen[i].Filnavn);
        item->setToolTip(FRopen[i].Filnavn);
        connect(item, &QAction::triggered, this, [this, i, item] { Choose(i, item); });
        MainItem->addAction(item);
    }
    if (MedMenuStreg) {
        auto* line = new QAction(this);
        line->setSeparator(true);
        MainItem->addAction(line);
    }
    if (!DeleteItemCap.isEmpty()) {
        auto* all = new QAction(DeleteItemCap, this);
        all->setObjectName(QStringLiteral("ReopenDeleteAll"));
        all->setStatusTip(DeleteItemHint);
        connect(all, &QAction::triggered, this, [this] {
            DeleteAllItems();
            GemReopenFiler();
        });
        MainItem->addAction(all);
    }
}

void TReopenFiler::Choose(int k, QAction* Sender)
{
    if (k < 0 || k >= Antal())
        return;
    if (Vanished(FRopen[k].Filnavn)) {
        FRopen[k].Caption.clear();
        FRopen[k].Filnavn.clear();
    }
    const QString name = FRopen[k].Filnavn;
    if (Itemtype != itAndet && name.isEmpty())
        FRopen.removeAt(k);
    if (OnKlik)
        OnKlik(Sender, name);
}

void TReopenFiler::HentReopenFiler()
{
    FRopen.clear();
    if (Itemfile.isEmpty() || !QFileInfo::exists(Itemfile))
        return;
    const QStringList lines = ReadTextList(Itemfile);
    if (lines.size() < 2) {
        Filantal = kDefaultCapacity;
        return;
    }
    Filantal = DecimalOr(lines[0], kDefaultCapacity);
    if (Filantal <= 0)
        Filantal = kDefaultCapacity;
    // Only the complete pairs that are there count, whatever the count line says.
    const int announced = std::max(0, DecimalOr(lines[1], 0));
    for (int i = 0; i < announced && 2 + 2 * i + 1 < lines.size(); ++i)
        FRopen.append({lines[2 + 2 * i], lines[2 + 2 * i + 1]});
}

bool TReopenFiler::GemReopenFiler() const
{
    if (Itemfile.isEmpty())
        return true;
    QStringList lines{QString::number(Filantal), QString::number(Antal())};
    for (const TReopenRec& r : FRopen)
        lines << r.Caption << r.Filnavn;
    return WriteTextList(Itemfile, lines);
}
