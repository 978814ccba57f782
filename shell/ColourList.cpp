#include "shell/ColourList.h"
#include "colours/ColourNames.h"
#include <QPixmap>

TColourList::TColourList(QWidget* parent) : QComboBox(parent)
{
    for (const TNavngivetFarve& named : ColourNames::Navne28()) {
        QPixmap swatch(14, 14);
        swatch.fill(ToQColor(named.Farve));
        addItem(QIcon(swatch), QString::fromUtf8(named.Dansk), int(named.Farve));
    }
    SetColour(clGray);
}

TColor TColourList::Colour() const
{
    return currentIndex() < 0 ? clGray : TColor(currentData().toInt());
}

bool TColourList::SetColour(TColor colour)
{
    const int index = findData(int(colour));
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

void TColourList::SetSprog(bool Engelsk)
{
    const auto names = ColourNames::Navne28();
    for (int i = 0; i < count() && i < int(names.size()); ++i)
        setItemText(i, QString::fromUtf8(Engelsk && names[i].Engelsk ? names[i].Engelsk : names[i].Dansk));
}
