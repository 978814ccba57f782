#include "dialogs/InformationPlace.h"
#include "appcore/Lists.h"

namespace {

// Line Index of Lines as a decimal number, or Default when it is missing or not a number.
int LineOr(const QStringList& Lines, int Index, int Default)
{
    if (Index >= Lines.size())
        return Default;
    bool ok = false;
    const int value = Lines.at(Index).trimmed().toInt(&ok, 10);
    return ok ? value : Default;
}

} // namespace

TInformationPlace TInformationPlace::Read(const QString& FileName)
{
    const QStringList lines = ReadTextList(FileName);
    TInformationPlace place;
    place.Left = LineOr(lines, 0, place.Left);
    place.Top = LineOr(lines, 1, place.Top);
    const int height = LineOr(lines, 2, place.Height);
    if (height >= MinHeight)
        place.Height = height;
    return place;
}

bool TInformationPlace::Write(const QString& FileName) const
{
    return WriteTextList(FileName, {QString::number(Left), QString::number(Top), QString::number(Height)});
}
