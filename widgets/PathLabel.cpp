#include "widgets/PathLabel.h"
#include <QFontMetrics>
#include <algorithm>

TPathLabel::TPathLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void TPathLabel::SetPath(const QString& Path)
{
    path_ = Path;
    setToolTip(Path);
    ShowElided();
}

QSize TPathLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QSize TPathLabel::sizeHint() const
{
    // Asks for the whole name's width; the layout may give less.
    return {fontMetrics().horizontalAdvance(path_) + 2 * margin() + 2, QLabel::sizeHint().height()};
}

void TPathLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    ShowElided();
}

void TPathLabel::ShowElided()
{
    const int room = contentsRect().width() - 2 * margin();
    setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, std::max(room, 0)));
}
