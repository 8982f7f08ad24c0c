#pragma once
// Any Qt window seen as a FormObject: a top-level widget, or a widget shown in a child
// window of a QMdiArea, whose QMdiSubWindow frame is then the window that is measured and
// moved. Twips per pixel follow the primary screen's logical dots per inch (15 at 96).
#include "ui/formobject.h"

#include <QPointer>
#include <QWidget>

namespace ui {

class QtScreenObject final : public ScreenObject {
public:
    int Width() const override;
    int Height() const override;
    int TwipsPerPixelX() const override;
    int TwipsPerPixelY() const override;
};

class QtFormObject final : public FormObject {
public:
    explicit QtFormObject(QWidget *form);

    int WindowState() const override;
    void SetWindowState(int state) override;
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    void Move(int left, int top, int width, int height) override;
    const ScreenObject &Screen() const override { return screen_; }

    // The widget that is measured and moved.
    QWidget *Frame() const { return frame_; }

private:
    QPointer<QWidget> frame_;
    QtScreenObject screen_;
};

} // namespace ui
