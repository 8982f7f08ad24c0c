#pragma once
// Windows of their own that are used under a right (the tax editor under the tax right)
// close when nobody holding that right is logged in any more. Child windows of the main
// window go with every log-out; these would otherwise stay usable beside it, by nobody or
// by a user without the right.
//
//   core::CloseWhenRightLost(*this, [] { return core::TaxRightGranted(); });
//   ...
//   core::CloseWindowsWithoutRight();   // wherever who is logged in changes
#include <functional>

namespace ui {
class Form;
}

namespace core {

// Whether the user logged in now holds the window's right; none: a login is all it needs.
using RightHeld = std::function<bool()>;

// Registers the window for as long as it lives.
void CloseWhenRightLost(ui::Form &window, RightHeld held = {});

// Unloads every registered window that is loaded while nobody is logged in or the user
// logged in lacks its right. Called after each change of the login state.
void CloseWindowsWithoutRight();

} // namespace core
