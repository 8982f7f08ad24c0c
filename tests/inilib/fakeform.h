#pragma once
// A window and screen for the position operations: plain numbers, and a log of what was done.
#include "ui/formobject.h"

#include <QString>
#include <QStringList>

class FakeScreen final : public ui::ScreenObject {
public:
    int width = 1920 * 15;
    int height = 1080 * 15;
    int perPixel = 15;

    int Width() const override { return width; }
    int Height() const override { return height; }
    int TwipsPerPixelX() const override { return perPixel; }
    int TwipsPerPixelY() const override { return perPixel; }
};

class FakeForm final : public ui::FormObject {
public:
    int state = 0;
    int left = 1200;
    int top = 900;
    int width = 6000;
    int height = 4500;
    FakeScreen screen;
    // "Move l t w h" and "WindowState s", in the order they happened.
    QStringList calls;

    int WindowState() const override { return state; }
    void SetWindowState(int s) override
    {
        state = s;
        calls.append(QStringLiteral("WindowState %1").arg(s));
    }
    int Left() const override { return left; }
    int Top() const override { return top; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void Move(int l, int t, int w, int h) override
    {
        left = l;
        top = t;
        width = w;
        height = h;
        calls.append(QStringLiteral("Move %1 %2 %3 %4").arg(l).arg(t).arg(w).arg(h));
    }
    const ui::ScreenObject &Screen() const override { return screen; }
};
