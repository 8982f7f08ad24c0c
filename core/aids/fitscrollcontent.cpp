#include "core/aids/fitscrollcontent.h"

#include <QFrame>
#include <QLayout>

namespace core {

void FitScrollContent(const QWidget &window, const QFrame *picOuter, QWidget *picInner, const QWidget *hBar,
                      const QWidget *vBar)
{
    // Fields changed since the last layout (list columns, combo items) count with their new size.
    for (QWidget *field : picInner->findChildren<QWidget *>())
        field->updateGeometry();
    for (QLayout *layout : picInner->findChildren<QLayout *>())
        layout->invalidate();
    picInner->layout()->invalidate();

    const QSize least = picInner->minimumSizeHint();
    const int border = 2 * picOuter->frameWidth();
    QSize room = window.size() - QSize(border, border);
    // A scroll bar takes room from the other direction, as ScrollResize will lay it out.
    const bool wide = least.width() > room.width();
    if (wide)
        room.rheight() -= hBar->height();
    if (least.height() > room.height()) {
        room.rwidth() -= vBar->width();
        if (!wide && least.width() > room.width())
            room.rheight() -= hBar->height();
    }
    picInner->setMinimumSize(0, 0);
    picInner->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    picInner->setFixedSize(least.expandedTo(room));
}

} // namespace core
