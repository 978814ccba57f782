#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

class TFontSizeComboBox;

// The installed typefaces, enumerated once and sorted, with a lookup from a name to its place
// in the list: the exact name, else the name without regard to case, else the family Qt
// resolves the name to (a font that is not installed falls back to what is drawn instead).
class TFontNavne {
public:
    TFontNavne();

    const QStringList& Navne() const { return FNavne; }
    // -1 when neither the name nor the family it resolves to is in the list.
    int IndexOf(const QString& Name) const;

private:
    QStringList FNavne;
    QHash<QString, int> FExact;
    QHash<QString, int> FFolded;
    // Resolved families, cached: resolving asks the font database.
    mutable QHash<QString, int> FResolved;
};

// Brings the size list to the font Name and the size Size: the list is refilled only when Name
// differs from OldFontSizname (which then becomes Name); Size is selected when the list offers
// it, else the list's first entry. Returns the size now selected (Size when the list is empty).
int VaelgFontSize(TFontSizeComboBox& Sizes, const QString& Name, QString& OldFontSizname, int Size);

// A size typed into a size field: 1 … 999, else 0.
int TypedFontSize(const QString& Text);
