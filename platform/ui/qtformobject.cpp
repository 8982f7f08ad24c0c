#include "ui/qtformobject.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr int TwipsPerInch = 1440;

QScreen *primaryScreen()
{
    return qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
}

int twipsPerPixel(qreal dotsPerInch)
{
    return dotsPerInch > 0 ? static_cast<int>(std::lround(TwipsPerInch / dotsPerInch)) : TwipsPerInch / 96;
}

// The window that stands for the widget on screen.
QWidget *frameOf(QWidget *form)
{
    if (!form)
        return nullptr;
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(form->parentWidget()))
        return subWindow;
    return form->window();
}

} // namespace

int QtScreenObject::TwipsPerPixelX() const
{
    QScreen *screen = primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96);
}

int QtScreenObject::TwipsPerPixelY() const
{
    QScreen *screen = primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96);
}

int QtScreenObject::Width() const
{
    QScreen *screen = primaryScreen();
    return screen ? screen->geometry().width() * TwipsPerPixelX() : 0;
}

int QtScreenObject::Height() const
{
    QScreen *screen = primaryScreen();
    return screen ? screen->geometry().height() * TwipsPerPixelY() : 0;
}

QtFormObject::QtFormObject(QWidget *form)
    : frame_(frameOf(form))
{
}

int QtFormObject::WindowState() const
{
    if (!frame_)
        return 0;
    if (frame_->isMinimized())
        return 1;
    return frame_->isMaximized() ? 2 : 0;
}

void QtFormObject::SetWindowState(int state)
{
    if (!frame_)
        return;
    Qt::WindowStates states = frame_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == 1)
        states |= Qt::WindowMinimized;
    else if (state == 2)
        states |= Qt::WindowMaximized;
    frame_->setWindowState(states);
}

int QtFormObject::Left() const
{
    return frame_ ? frame_->frameGeometry().x() * screen_.TwipsPerPixelX() : 0;
}

int QtFormObject::Top() const
{
    return frame_ ? frame_->frameGeometry().y() * screen_.TwipsPerPixelY() : 0;
}

int QtFormObject::Width() const
{
    return frame_ ? frame_->frameGeometry().width() * screen_.TwipsPerPixelX() : 0;
}

int QtFormObject::Height() const
{
    return frame_ ? frame_->frameGeometry().height() * screen_.TwipsPerPixelY() : 0;
}

void QtFormObject::Move(int left, int top, int width, int height)
{
    if (!frame_)
        return;
    const double perX = screen_.TwipsPerPixelX();
    const double perY = screen_.TwipsPerPixelY();
    // The size asked for is the outer frame's; the window manager adds its border outside
    // the widget's own geometry.
    const int borderWidth = frame_->frameGeometry().width() - frame_->width();
    const int borderHeight = frame_->frameGeometry().height() - frame_->height();
    frame_->move(static_cast<int>(std::lround(left / perX)), static_cast<int>(std::lround(top / perY)));
    frame_->resize(std::max(0, static_cast<int>(std::lround(width / perX)) - borderWidth),
                   std::max(0, static_cast<int>(std::lround(height / perY)) - borderHeight));
}

} // namespace ui
