#include "widgets/FontSizeComboBox.h"
#include <QFontDatabase>
#include <algorithm>

namespace {

// The sizes offered for every scalable font.
const QList<int> ScalableSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// The point sizes of Family: the fixed list when it scales (or offers no sizes of its own),
// else its own sizes ascending without duplicates.
QList<int> SizesOf(const QString& Family)
{
    if (QFontDatabase::isSmoothlyScalable(Family))
        return ScalableSizes;
    QList<int> sizes = QFontDatabase::pointSizes(Family);
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    sizes.removeIf([](int s) { return s <= 0; });
    return sizes.isEmpty() ? ScalableSizes : sizes;
}

} // namespace

TFontSizeComboBox::TFontSizeComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &TFontSizeComboBox::Choose);
}

void TFontSizeComboBox::SetFontName(const QString& value)
{
    FFontName = value;
    const QString current = currentText();
    FFilling = true;
    clear();
    for (int size : SizesOf(value))
        addItem(QString::number(size));
    setCurrentIndex(findText(current));
    FFilling = false;
    if (OnClick)
        OnClick(this);
}

int TFontSizeComboBox::FontSize() const
{
    return currentText().toInt();
}

void TFontSizeComboBox::SelectSize(int Size)
{
    int index = findText(QString::number(Size));
    if (index < 0 && Size > 0) {
        addItem(QString::number(Size));
        index = count() - 1;
    }
    setCurrentIndex(index >= 0 ? index : 0);
}

void TFontSizeComboBox::Choose(int Index)
{
    if (FFilling || Index < 0)
        return;
    if (OnChange)
        OnChange(this);
    if (OnNyFontSize)
        OnNyFontSize(this, itemText(Index).toInt());
}
