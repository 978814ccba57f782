#include "shell/HistoryWindow.h"
#include "engine/Captions.h"
#include "engine/ImagePic.h"
#include <QFont>
#include <algorithm>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
const TCaptionPair kTitle{"Historik", "History"};
const TCaptionPair kStart{"Før første trin", "Before the first step"};

// A step's name in the list: its undo caption without the word for undo ("Annuller
// rektangel" -> "Rektangel"); a bare "Annuller" (a loaded picture) keeps its word.
QString StepName(const QString& caption)
{
    for (const char* undo : {"Annuller ", "Undo "}) {
        const QString u = QString::fromLatin1(undo);
        if (caption.startsWith(u) && caption.size() > u.size()) {
            QString name = caption.mid(u.size());
            name[0] = name[0].toUpper();
            return name;
        }
    }
    return caption;
}
} // namespace

THistoryWindow::THistoryWindow(QWidget* parent) : QWidget(parent), FList(new QListWidget(this))
{
    setObjectName(QStringLiteral("HistoryWindow"));
    FList->setObjectName(QStringLiteral("HistoryList"));
    FList->setIconSize(QSize(THistory::kThumbnailSide, THistory::kThumbnailSide));
    FList->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(FList);
    connect(FList, &QListWidget::itemClicked, this, &THistoryWindow::RowClicked);
    resize(240, 360);
    SetSprog(false);
}

void THistoryWindow::SetSprog(bool Engelsk)
{
    FEngelsk = Engelsk;
    setWindowTitle(Caption(Engelsk ? stEngelsk : stDansk, kTitle));
    if (FList->count() > 0)
        FList->item(0)->setText(Caption(Engelsk ? stEngelsk : stDansk, kStart));
}

void THistoryWindow::Follow(TImagePic* Picture)
{
    if (Picture != FPicture) {
        FPicture = Picture;
        Rebuild();
        return;
    }
    if (!FPicture)
        return;
    Sync();
    Mark();
    const THistory& h = FPicture->History();
    // The newest step is still being made: its picture follows the picture while the window
    // is seen, and once more when it is finished.
    const int newest = h.Count() - 1;
    const bool live = h.Open() && newest >= 0;
    if (FLiveId != 0 && (!live || h.StepId(newest) != FLiveId)) {
        for (size_t i = 0; i < FIds.size(); ++i)
            if (FIds[i] == FLiveId)
                FList->item(int(i) + 1)->setIcon(QPixmap::fromImage(h.Thumbnail(int(i))));
        FLiveId = 0;
    }
    if (live) {
        if (isVisible())
            FList->item(newest + 1)->setIcon(QPixmap::fromImage(h.Thumbnail(newest)));
        FLiveId = h.StepId(newest);
    }
}

void THistoryWindow::Rebuild()
{
    FList->clear();
    FIds.clear();
    FMarked = -1;
    FLiveId = 0;
    if (!FPicture)
        return;
    FList->addItem(Caption(FEngelsk ? stEngelsk : stDansk, kStart));
    FMarked = CurrentRow();
    Style(0, FMarked);
    Sync();
    Mark();
}

void THistoryWindow::Sync()
{
    const THistory& h = FPicture->History();
    const int count = h.Count();
    // Steps are numbered in the order they were made, so the same count, first and last step
    // are the same steps.
    const bool unchanged = FIds.size() == size_t(count)
        && (count == 0 || (FIds.front() == h.StepId(0) && FIds.back() == h.StepId(count - 1)));
    if (unchanged)
        return;
    // The budget drops the oldest steps: their rows go from the top, and the current row with
    // the others.
    size_t dropped = 0;
    while (dropped < FIds.size() && (count == 0 || FIds[dropped] < h.StepId(0)))
        ++dropped;
    for (size_t i = 0; i < dropped; ++i)
        delete FList->takeItem(1);
    FIds.erase(FIds.begin(), FIds.begin() + long(dropped));
    FMarked = std::max(0, FMarked - int(dropped));
    // Steps that could be redone are forgotten by a new step: their rows go from the bottom.
    size_t same = 0;
    while (same < FIds.size() && int(same) < count && FIds[same] == h.StepId(int(same)))
        ++same;
    while (FIds.size() > same) {
        delete FList->takeItem(int(FIds.size()));
        FIds.pop_back();
    }
    for (int i = int(same); i < count; ++i)
        AddRow(i);
}

void THistoryWindow::AddRow(int step)
{
    const THistory& h = FPicture->History();
    auto* item = new QListWidgetItem(StepName(h.StepCaption(step)), FList);
    item->setIcon(QPixmap::fromImage(h.Thumbnail(step)));
    item->setToolTip(h.StepCaption(step));
    FIds.push_back(h.StepId(step));
    Style(step + 1, CurrentRow());
}

int THistoryWindow::CurrentRow() const
{
    return FPicture ? FPicture->History().Applied() : -1;
}

void THistoryWindow::Style(int row, int current)
{
    QListWidgetItem* item = FList->item(row);
    if (!item)
        return;
    QFont font = item->font();
    font.setBold(row == current);
    item->setFont(font);
    item->setForeground(row > current ? palette().color(QPalette::Disabled, QPalette::Text)
                                      : palette().color(QPalette::Text));
}

void THistoryWindow::Mark()
{
    const int current = CurrentRow();
    if (current != FMarked) {
        // The rows between the former current row and the new one change their state.
        const int from = FMarked < 0 ? 0 : std::min(FMarked, current);
        const int to = FMarked < 0 ? FList->count() - 1 : std::max(FMarked, current);
        for (int row = from; row <= to; ++row)
            Style(row, current);
        FMarked = current;
    }
    if (FList->currentRow() != current) {
        FList->setCurrentRow(current);
        if (QListWidgetItem* item = FList->item(current))
            FList->scrollToItem(item);
    }
}

void THistoryWindow::RowClicked(QListWidgetItem* item)
{
    if (!FPicture || !item)
        return;
    const int row = FList->row(item);
    if (row != FPicture->History().Applied())
        FPicture->GoToStep(row);
    Follow(FPicture);
    if (OnJumped)
        OnJumped();
}
