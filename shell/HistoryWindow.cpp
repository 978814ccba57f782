#include "shell/HistoryWindow.h"
#include "engine/Captions.h"
#include "engine/ImagePic.h"
#include <QFont>
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
    const THistory* h = Picture ? &Picture->History() : nullptr;
    const bool same = Picture == FPicture && h && h->Count() == FCount && h->Applied() == FApplied
        && h->Open() == FOpen;
    FPicture = Picture;
    if (!same)
        Rebuild();
    else if (h->Open() && isVisible() && FCount > 0)
        // The newest step is still being drawn: its picture follows the picture.
        FList->item(FCount)->setIcon(QPixmap::fromImage(h->Thumbnail(FCount - 1)));
}

void THistoryWindow::Rebuild()
{
    FList->clear();
    if (!FPicture) {
        FCount = FApplied = -1;
        return;
    }
    const THistory& h = FPicture->History();
    FCount = h.Count();
    FApplied = h.Applied();
    FOpen = h.Open();
    FList->addItem(Caption(FEngelsk ? stEngelsk : stDansk, kStart));
    for (int i = 0; i < FCount; ++i) {
        auto* item = new QListWidgetItem(StepName(h.StepCaption(i)), FList);
        item->setIcon(QPixmap::fromImage(h.Thumbnail(i)));
        item->setToolTip(h.StepCaption(i));
    }
    Mark();
}

int THistoryWindow::CurrentRow() const
{
    return FPicture ? FPicture->History().Applied() : -1;
}

void THistoryWindow::Mark()
{
    const int current = CurrentRow();
    for (int row = 0; row < FList->count(); ++row) {
        QListWidgetItem* item = FList->item(row);
        QFont font = item->font();
        font.setBold(row == current);
        item->setFont(font);
        item->setForeground(row > current ? palette().color(QPalette::Disabled, QPalette::Text)
                                          : palette().color(QPalette::Text));
    }
    FList->setCurrentRow(current);
    if (QListWidgetItem* item = FList->item(current))
        FList->scrollToItem(item);
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
