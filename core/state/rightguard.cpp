#include "core/state/rightguard.h"

#include "core/state/appstate.h"
#include "ui/form.h"

#include <QList>
#include <QPointer>
#include <utility>

namespace core {

namespace {

struct GuardedWindow {
    QPointer<ui::Form> window;
    RightHeld held;
};

QList<GuardedWindow> &guarded()
{
    static QList<GuardedWindow> windows;
    return windows;
}

bool rightHeld(const GuardedWindow &entry) { return State().mLoggedIn && (!entry.held || entry.held()); }

} // namespace

void CloseWhenRightLost(ui::Form &window, RightHeld held) { guarded().append({&window, std::move(held)}); }

void CloseWindowsWithoutRight()
{
    auto &windows = guarded();
    windows.removeIf([](const GuardedWindow &entry) { return entry.window.isNull(); });
    // Unloading may run code that registers or closes other windows: work on a copy.
    const QList<GuardedWindow> current = windows;
    for (const GuardedWindow &entry : current) {
        if (entry.window && entry.window->IsLoaded() && !rightHeld(entry))
            entry.window->Unload();
    }
}

} // namespace core
