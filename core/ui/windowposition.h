#pragma once
// The position a window remembers in a section of config.ini, through an INI object of the
// settings component: restored no smaller than 3000 x 3000 twips, and saved no smaller than
// that either, so that an arrangement that shrank the window (Window > Cascade or Tile) does
// not bring it back as a title bar.
#include "inilib/tarvolinkini.h"
#include "ui/formobject.h"

namespace core {

inline constexpr int RememberedMinimumWidth = 3000;   // twips
inline constexpr int RememberedMinimumHeight = 3000;

void LoadWindowPosition(tarvolinkini::_INI &ini, ui::FormObject &window);
void SaveWindowPosition(tarvolinkini::_INI &ini, ui::FormObject &window);

} // namespace core
