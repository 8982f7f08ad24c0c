#pragma once
// The position a window remembers in a section of config.ini, through an INI object of the
// settings component: restored no smaller than 3000 x 3000 twips, and saved no smaller than
// that either, never left of or above the screen's (or client area's) corner, and not at all
// while the Window menu's arrangements (Cascade, Tile) place the windows: a window comes back
// as the clerk left it, not as a strip an arrangement made of it.
#include "inilib/tarvolinkini.h"
#include "ui/formobject.h"

namespace core {

inline constexpr int RememberedMinimumWidth = 3000;   // twips
inline constexpr int RememberedMinimumHeight = 3000;

void LoadWindowPosition(tarvolinkini::_INI &ini, ui::FormObject &window);
void SaveWindowPosition(tarvolinkini::_INI &ini, ui::FormObject &window);

// Holds off the saving of positions for its lifetime.
class ArrangingWindows {
public:
    ArrangingWindows();
    ~ArrangingWindows();
    ArrangingWindows(const ArrangingWindows &) = delete;
    ArrangingWindows &operator=(const ArrangingWindows &) = delete;
    static bool InProgress();
};

} // namespace core
