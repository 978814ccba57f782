#pragma once

class QWidget;

// Places Window centred on its parent window (on its screen when it has no parent).
void CentreOnParent(QWidget* Window);

// Places Window's top-left corner at (X, Y), a remembered position; a position off every
// screen is pulled back onto the nearest screen.
void PlaceAt(QWidget* Window, int X, int Y);
