#include "dialogs/TopicList.h"
#include <QPainter>
#include <algorithm>
#include <QStyledItemDelegate>

namespace {

constexpr int TopicRole = Qt::UserRole;
constexpr int ColourRole = Qt::UserRole + 1;

class TTopicDelegate : public QStyledItemDelegate {
public:
    explicit TTopicDelegate(TTopicList* list) : QStyledItemDelegate(list), FList(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {option.rect.width(), FList->RowHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        painter->fillRect(r, selected ? pal.highlight() : pal.base());
        const TColor colour = index.data(ColourRole).toInt();
        if (colour != clNone)
            painter->fillRect(QRect(r.left() + 2, r.top() + 5, FList->MarkerWidth(), 10), ToQColor(colour));
        painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
        painter->drawText(QRect(r.left() + FList->TextX(), r.top() + 1, r.width() - FList->TextX(), r.height() - 1),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
        painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), ToQColor(clSilver));
    }

private:
    TTopicList* FList;
};

} // namespace

TTopicList::TTopicList(int MarkerWidth, int TextX, QWidget* parent)
    : QListWidget(parent), FMarkerWidth(MarkerWidth), FTextX(TextX)
{
    setItemDelegate(new TTopicDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int TTopicList::RowHeight() const
{
    return std::max(18, fontMetrics().height() + 3);
}

void TTopicList::AddRow(const QString& Caption, const QString& Topic, TColor Colour)
{
    auto* row = new QListWidgetItem(Caption, this);
    row->setData(TopicRole, Topic);
    row->setData(ColourRole, Colour);
    if (Topic.isEmpty())
        row->setFlags(Qt::ItemIsEnabled);
}

QString TTopicList::Topic(int Row) const
{
    const QListWidgetItem* row = item(Row);
    return row ? row->data(TopicRole).toString() : QString();
}

TColor TTopicList::RowColour(int Row) const
{
    const QListWidgetItem* row = item(Row);
    return row ? row->data(ColourRole).toInt() : clNone;
}
