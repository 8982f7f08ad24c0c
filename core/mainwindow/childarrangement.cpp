#include "core/mainwindow/childarrangement.h"

#include "core/ui/windowposition.h"
#include "ui/twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

namespace core {

namespace {

// The visible windows that are not minimised, the front one last; maximised ones restored.
QList<QMdiSubWindow *> arrangeable(QMdiArea &area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : area.subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isVisible() || window->isMinimized())
            continue;
        if (window->isMaximized())
            window->showNormal();
        windows << window;
    }
    return windows;
}

} // namespace

void TileChildWindows(QMdiArea &area, Qt::Orientation stacking)
{
    const QList<QMdiSubWindow *> windows = arrangeable(area);
    const ArrangingWindows arranging;
    const QRect room = area.viewport()->rect();
    const int count = static_cast<int>(windows.size());
    const int span = stacking == Qt::Vertical ? room.height() : room.width();
    for (int i = 0; i < count; ++i) {
        const int from = span * i / count;
        const int to = span * (i + 1) / count;
        windows.at(i)->setGeometry(stacking == Qt::Vertical ? QRect(0, from, room.width(), to - from)
                                                            : QRect(from, 0, to - from, room.height()));
    }
}

void CascadeChildWindows(QMdiArea &area)
{
    const QList<QMdiSubWindow *> windows = arrangeable(area);
    if (windows.isEmpty())
        return;
    const ArrangingWindows arranging;
    QStyleOptionTitleBar title;
    title.initFrom(windows.first());
    const int step = windows.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight, &title, windows.first());
    const QSize smallest(ui::TwipsToPixelsX(RememberedMinimumWidth), ui::TwipsToPixelsY(RememberedMinimumHeight));
    const QRect room = area.viewport()->rect();
    for (int i = 0; i < windows.size(); ++i) {
        const QPoint place(i * step, i * step);
        const QSize fits = windows.at(i)->size().boundedTo(room.size() - QSize(place.x(), place.y()));
        windows.at(i)->setGeometry(QRect(place, fits.expandedTo(smallest)));
    }
}

} // namespace core
