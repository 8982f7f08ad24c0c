#pragma once
// What a window offers to code that saves and restores its position: its window state and
// its outer position and size in twips, a Move, and the primary screen's size and twips
// per pixel. Every kind of window (a ui::Form itself, any other Qt window through
// QtFormObject, a test's fake) can stand behind it.
namespace ui {

class ScreenObject {
public:
    // Twips.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual int TwipsPerPixelX() const = 0;
    virtual int TwipsPerPixelY() const = 0;

protected:
    ~ScreenObject() = default;
};

class FormObject {
public:
    // 0 normal, 1 minimised, 2 maximised.
    virtual int WindowState() const = 0;
    virtual void SetWindowState(int state) = 0;

    // The outer frame, in twips; a child window of the main window counts from the main
    // window's client area.
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Move(int left, int top, int width, int height) = 0;

    // The primary screen.
    virtual const ScreenObject &Screen() const = 0;

protected:
    ~FormObject() = default;
};

} // namespace ui
