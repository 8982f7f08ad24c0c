#pragma once
// The Window menu's arrangements of the child windows in the main window's client area.
// Minimised windows keep their place; a maximised one is restored first. The sizes an
// arrangement gives are not remembered.
#include <Qt>

class QMdiArea;

namespace core {

// Tiling horizontally stacks the windows one above the other, each the area's full width;
// tiling vertically sets them side by side.
void TileChildWindows(QMdiArea &area, Qt::Orientation stacking);

// Each window a title bar lower and to the right of the one below it, the front one last,
// each keeping its size where that fits in the area from its place, and never made smaller
// than a usable window (3000 x 3000 twips).
void CascadeChildWindows(QMdiArea &area);

} // namespace core
