#include "textbox/FontLists.h"
#include "platform/Graphics.h"
#include "widgets/FontSizeComboBox.h"
#include <QFontInfo>

TFontNavne::TFontNavne() : FNavne(ScreenFonts())
{
    for (int i = 0; i < FNavne.size(); ++i) {
        FExact.insert(FNavne[i], i);
        FFolded.insert(FNavne[i].toCaseFolded(), i);
    }
}

int TFontNavne::IndexOf(const QString& Name) const
{
    if (auto it = FExact.constFind(Name); it != FExact.cend())
        return *it;
    if (auto it = FFolded.constFind(Name.toCaseFolded()); it != FFolded.cend())
        return *it;
    if (auto it = FResolved.constFind(Name); it != FResolved.cend())
        return *it;
    const QString family = QFontInfo(QFont(Name)).family();
    const int index = FExact.value(family, FFolded.value(family.toCaseFolded(), -1));
    FResolved.insert(Name, index);
    return index;
}

int VaelgFontSize(TFontSizeComboBox& Sizes, const QString& Name, QString& OldFontSizname, int Size)
{
    if (Name != OldFontSizname) {
        Sizes.SetFontName(Name);
        OldFontSizname = Name;
    }
    const int index = Sizes.findText(QString::number(Size));
    if (index >= 0) {
        Sizes.setCurrentIndex(index);
        return Size;
    }
    if (Sizes.count() == 0)
        return Size;
    Sizes.setCurrentIndex(0);
    return Sizes.itemText(0).toInt();
}

int TypedFontSize(const QString& Text)
{
    bool ok = false;
    const int size = Text.trimmed().toInt(&ok);
    return ok && size >= 1 && size <= 999 ? size : 0;
}
