#include "core/ui/windowposition.h"

#include <algorithm>

namespace core {

namespace {

// The window as saving sees it: its size raised to the minimum it is restored with.
class AtLeastMinimum final : public ui::FormObject {
public:
    explicit AtLeastMinimum(ui::FormObject &window) : window_(window) {}

    int WindowState() const override { return window_.WindowState(); }
    void SetWindowState(int state) override { window_.SetWindowState(state); }
    int Left() const override { return window_.Left(); }
    int Top() const override { return window_.Top(); }
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
    AtLeastMinimum saved(window);
    ini.SaveFormPosition(saved);
}

} // namespace core
