#pragma once
#include <QPalette>
#include <QString>
#include <QStringList>

// The visual styles the program offers: "Sky", our light-blue look on the Fusion style, and
// every style the Qt installation knows.
namespace StyleList {

inline const QString kSky = QStringLiteral("Sky");

// "Sky" first, then QStyleFactory::keys().
QStringList Names();
// True when the name is one of Names(), compared without regard to case.
bool Known(const QString& name);
// The light-blue palette of "Sky".
QPalette SkyPalette();
// Applies the style to the whole application; False (and nothing changes) for an unknown name.
bool Apply(const QString& name);

} // namespace StyleList
