#pragma once
// The task windows the main window and other windows open, by their names ("frmBooking",
// "frmAbout"). Each window's library registers how to show it when the program starts, so
// the main window does not depend on every window, and a name that nothing registered
// opens nothing.
#include <QString>
#include <functional>

namespace core {

// Shows the window's default instance (loading it when needed); mode is ui::vbModal or
// ui::vbModeless.
using ShowWindowFunction = std::function<void(int mode)>;

void RegisterWindow(const QString &name, ShowWindowFunction show);
bool IsWindowRegistered(const QString &name);
// False when no window of that name is registered.
bool ShowWindow(const QString &name, int mode);

} // namespace core
