#include "ui/hourglass.h"

#include <QCursor>
#include <QGuiApplication>

namespace ui {

Hourglass::Hourglass() : active_(qGuiApp != nullptr)
{
    if (active_)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

Hourglass::~Hourglass()
{
    if (active_ && qGuiApp)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace ui
