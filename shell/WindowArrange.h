#pragma once

class QMdiArea;

// The window-menu arrangements of the document windows. Minimised windows keep their place
// in a row along the bottom; the others share the area.
namespace WindowArrange {
void Cascade(QMdiArea& area);
// Every window as wide as the area, one above the other.
void TileHorizontally(QMdiArea& area);
// Every window as high as the area, side by side.
void TileVertically(QMdiArea& area);
void MinimizeAll(QMdiArea& area);
// The minimised windows in a row along the bottom of the area.
void ArrangeIcons(QMdiArea& area);
void MaximizeAll(QMdiArea& area);
} // namespace WindowArrange
