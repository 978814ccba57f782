#pragma once
#include <QRect>

class QWidget;

// A window's frame rectangle (global coordinates) fitted into the free area of a screen: the
// screen that holds the frame's top-left corner, else the one nearest to it. The frame becomes
// no larger than that area and at least Minimum where the area allows, and is moved so that
// all of it, the title bar first, lies on the screen. Without a screen it is returned as given.
QRect FitToScreen(const QRect& Frame, QSize Minimum = QSize());

// Places a top-level window with its frame's top-left corner at Pos and its client size Size
// (its present size when Size is not valid), both fitted into a screen by FitToScreen, so a
// stored place or size can never put the window out of reach.
void PlaceOnScreen(QWidget* Window, QPoint Pos, QSize Size = QSize());
