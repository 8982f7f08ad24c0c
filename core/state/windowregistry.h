#pragma once
// The task windows the main window and other windows open, by their names ("frmBooking",
// "frmAbout"). Each window's library registers how to show it when the program starts, so
// the main window does not depend on every window, and a name that nothing registered
// opens nothing.
#include "ui/forms.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace core {

// Shows the window's default instance (loading it when needed); mode is ui::vbModal or
// ui::vbModeless.
using ShowWindowFunction = std::function<void(int mode)>;

void RegisterWindow(const QString &name, ShowWindowFunction show);
bool IsWindowRegistered(const QString &name);
// False when no window of that name is registered.
bool ShowWindow(const QString &name, int mode);
// Every registered name, sorted.
QStringList RegisteredWindows();

// The one-line registration of a window class. Every window class has a name constant,
// which its constructor also gives the form (so it is the window's objectName):
//
//     class frmBooking : public ui::Form {
//     public:
//         inline static const QString Name = QStringLiteral("frmBooking");
//     ...
//     frmBooking::frmBooking() : ui::Form(Name, ui::FormKind::MdiChild) { ... }
//     ...
//     core::RegisterForm<frmBooking>();   // ShowWindow("frmBooking", mode) shows its default instance
template <class T> void RegisterForm()
{
    RegisterWindow(T::Name, [](int mode) { ui::Forms::Get<T>().Show(mode); });
}

} // namespace core
