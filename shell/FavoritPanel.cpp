#include "shell/FavoritPanel.h"
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include "platform/Color.h"

namespace {

// Paints one row: background, a 10 x 10 square at (2, 5), the caption at (14, 1) and a silver
// line along the row's bottom edge.
class TFavoritRow : public QStyledItemDelegate {
public:
    TFavoritRow(QColor square, QObject* parent) : QStyledItemDelegate(parent), FSquare(square) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        p->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
        p->fillRect(QRect(r.left() + 2, r.top() + 5, 10, 10), FSquare);
        p->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
        p->drawText(QRect(r.left() + 14, r.top() + 1, r.width() - 14, r.height() - 2),
                    Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
        p->setPen(QColor(0xC0, 0xC0, 0xC0));
        p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width() + 14, 20};
    }

private:
    QColor FSquare;
};

} // namespace

TFavoritPanel::TFavoritPanel(bool Folders, const QList<QAction*>& Actions, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    OverLabel = new QLabel(this);
    layout->addWidget(OverLabel);
    Liste = new QListWidget(this);
    Liste->setObjectName(Folders ? QStringLiteral("favoritliste") : QStringLiteral("favfilerListe"));
    // Every row has the same height, so only the visible rows are laid out and painted.
    Liste->setUniformItemSizes(true);
    const QRgb square = ToQRgb(TColor(Folders ? kFolderColour : kFileColour));
    Liste->setItemDelegate(new TFavoritRow(QColor::fromRgb(square), Liste));
    Liste->setMinimumWidth(170);
    layout->addWidget(Liste, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(1);
    for (QAction* a : Actions) {
        auto* b = new QToolButton(this);
        b->setDefaultAction(a);
        b->setAutoRaise(true);
        b->setIconSize(QSize(16, 16));
        b->setObjectName(QStringLiteral("Knap_") + a->objectName());
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
}
