#pragma once
#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

// The images of the tool buttons: 24 x 24 colour artwork of our own, one text grid per action in
// data/toolicons/<action name>.txt, compiled into the program (the format is described in
// data/toolicons/README.md).
constexpr int kToolIconSize = 24;

// Every name that has an image: the actions (tools, pen and brush styles, picture commands, file
// commands, printing, the window commands) and the three states of the object indicator.
const QStringList& ToolIconNames();

// The colour of one palette character of the artwork; '.' is transparent (alpha 0). Other
// characters are not part of the palette.
std::optional<QRgb> ToolIconColour(char c);

// Reads one grid: exactly 24 lines of 24 palette characters ("\r\n" line ends are accepted).
// Anything else gives a null image.
QImage ParseToolIcon(const QByteArray& text);

// The image of a name (ARGB32), cached; a null image for a name without artwork.
QImage ToolIconImage(const QString& actionName);

// The icon of a name, cached; a null icon for a name without artwork. The disabled look is
// the style's own, made from the image when a disabled button is painted.
QIcon ToolIcon(const QString& actionName);
