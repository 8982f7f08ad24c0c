#include "core/ui/windowposition.h"

#include <algorithm>

namespace core {

namespace {

int arrangements = 0;

// The window as saving sees it: its size raised to the minimum it is restored with, its
// corner not before the origin (a maximised frame's border lies outside the screen).
class AtLeastMinimum final : public ui::FormObject {
public:
    explicit AtLeastMinimum(ui::FormObject &window) : window_(window) {}

    int WindowState() const override { return window_.WindowState(); }
    void SetWindowState(int state) override { window_.SetWindowState(state); }
    int Left() const override { return std::max(window_.Left(), 0); }
    int Top() const override { return std::max(window_.Top(), 0); }
    int Width() const override { return std::max(window_.Width(), RememberedMinimumWidth); }
    int Height() const override { return std::max(window_.Height(), RememberedMinimumHeight); }
    void Move(int left, int top, int width, int height) override { window_.Move(left, top, width, height); }
    const ui::ScreenObject &Screen() const override { return window_.Screen(); }

private:
    ui::FormObject &window_;
};

} // namespace

void LoadWindowPosition(tarvolinkini::_INI &ini, ui::FormObject &window)
{
    ini.LoadFormPosition(window, RememberedMinimumWidth, RememberedMinimumHeight);
}

void SaveWindowPosition(tarvolinkini::_INI &ini, ui::FormObject &window)
{
    if (ArrangingWindows::InProgress())
        return;
    AtLeastMinimum saved(window);
    ini.SaveFormPosition(saved);
}

ArrangingWindows::ArrangingWindows() { ++arrangements; }
ArrangingWindows::~ArrangingWindows() { --arrangements; }
bool ArrangingWindows::InProgress() { return arrangements > 0; }

} // namespace core
