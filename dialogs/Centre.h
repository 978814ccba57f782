#pragma once

class QWidget;

// Places Window centred on its parent window (on its screen when it has no parent).
void CentreOnParent(QWidget* Window);

// Places Window's top-left corner at (X, Y), a remembered position, fitted into a screen so
// that the whole window and its title bar are on it.
void PlaceAt(QWidget* Window, int X, int Y);
