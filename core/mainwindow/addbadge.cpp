#include "core/mainwindow/addbadge.h"

#include <QPainter>

namespace core {

void DrawAddBadge(QPainter &p, QPointF centre, qreal diameter, qreal armLength, qreal armWidth)
{
    const qreal radius = diameter / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 60));
    p.drawEllipse(QRectF(centre.x() - radius, centre.y() - radius, diameter, diameter));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(centre.x() - armWidth / 2, centre.y() - armLength / 2, armWidth, armLength));
    p.drawRect(QRectF(centre.x() - armLength / 2, centre.y() - armWidth / 2, armLength, armWidth));
}

} // namespace core
