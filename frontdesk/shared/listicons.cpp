#include "frontdesk/shared/listicons.h"

#include <QPainter>
#include <QPixmap>

namespace frontdesk {

namespace {
// A head and shoulders in one colour, 16 x 16.
QIcon guest(const QColor &color)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(160), 1));
    p.setBrush(color);
    p.drawEllipse(QRectF(5, 1.5, 6, 6));
    p.drawRoundedRect(QRectF(2.5, 8.5, 11, 7), 3, 3);
    return QIcon(picture);
}
} // namespace

QList<QIcon> GuestIcons()
{
    return {guest(QColor(40, 90, 200)), guest(QColor(220, 90, 140))};
}

} // namespace frontdesk
