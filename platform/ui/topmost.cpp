#include "ui/topmost.h"

#include <QWidget>

namespace ui {

int SetTopMost(QWidget *window, bool onTop)
{
    QWidget *w = window ? window->window() : nullptr;
    if (!w)
        return 0;
    if (IsTopMost(w) != onTop) {
        // Changing the flags of a shown window hides it; show it again where it was.
        const bool wasVisible = w->isVisible();
        w->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (wasVisible)
            w->show();
    }
    return onTop ? 1 : 0;
}

bool IsTopMost(const QWidget *window)
{
    const QWidget *w = window ? window->window() : nullptr;
    return w && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace ui
