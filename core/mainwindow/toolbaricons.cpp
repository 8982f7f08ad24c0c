#include "core/mainwindow/toolbaricons.h"

#include "core/mainwindow/addbadge.h"

#include <QPainter>
#include <QPixmap>

namespace core {

// The toolbar's pictures, drawn so that they read at toolbar size in any style.
QIcon toolbarIcon(const QString &key)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(60, 60, 60), 1.5);
    auto page = [&](const QColor &header) {
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(4, 5, 24, 23), 2, 2);
        p.setBrush(header);
        p.drawRect(QRectF(4, 5, 24, 6));
    };
    auto plus = [&] { DrawAddBadge(p, QPointF(24, 24), 14, 9, 2); };
    auto person = [&](qreal x, qreal y) {
        p.setPen(outline);
        p.setBrush(QColor(70, 120, 200));
        p.drawEllipse(QRectF(x + 4, y, 8, 8));
        p.drawChord(QRectF(x, y + 9, 16, 14), 0, 180 * 16);
    };

    if (key == QLatin1String("toolNewBooking")) {
        page(QColor(200, 60, 60));
        p.setPen(QPen(QColor(150, 150, 150), 1));
        for (int row = 0; row < 3; ++row)
            p.drawLine(QPointF(7, 15 + row * 4), QPointF(17, 15 + row * 4));
        plus();
    } else if (key == QLatin1String("toolNewFoodOrder")) {
        p.setPen(outline);
        p.setBrush(QColor(240, 240, 240));
        p.drawEllipse(QRectF(2, 20, 26, 8));
        p.setBrush(QColor(180, 110, 60));
        p.drawRoundedRect(QRectF(7, 8, 14, 15), 3, 3);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(17, 11, 8, 8), -90 * 16, 180 * 16);
        p.setPen(QPen(QColor(150, 150, 150), 1.2));
        p.drawLine(QPointF(11, 2), QPointF(11, 6));
        p.drawLine(QPointF(16, 2), QPointF(16, 6));
        plus();
    } else if (key == QLatin1String("toolCustomerList")) {
        person(1, 6);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        for (int row = 0; row < 4; ++row)
            p.drawLine(QPointF(19, 9 + row * 5), QPointF(30, 9 + row * 5));
    } else if (key == QLatin1String("toolRoomSchedule")) {
        page(QColor(60, 110, 190));
        p.setPen(QPen(QColor(150, 150, 150), 1));
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(4 + i * 6, 11), QPointF(4 + i * 6, 28));
        for (int i = 1; i < 3; ++i)
            p.drawLine(QPointF(4, 11 + i * 5.7), QPointF(28, 11 + i * 5.7));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 150, 40));
        p.drawRect(QRectF(11, 17.5, 11, 4.5));
    } else if (key == QLatin1String("toolStats")) {
        p.setPen(outline);
        p.drawLine(QPointF(3, 29), QPointF(29, 29));
        p.drawLine(QPointF(3, 29), QPointF(3, 3));
        const QColor colours[] = {QColor(70, 120, 200), QColor(40, 150, 60), QColor(200, 60, 60)};
        const qreal heights[] = {10, 20, 14};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(colours[i]);
            p.drawRect(QRectF(6 + i * 8, 28 - heights[i], 6, heights[i]));
        }
    } else if (key == QLatin1String("toolLogView")) {
        p.setPen(outline);
        p.setBrush(QColor(250, 245, 220));
        p.drawRect(QRectF(6, 3, 20, 26));
        p.setPen(QPen(QColor(90, 90, 90), 1.5));
        for (int row = 0; row < 5; ++row)
            p.drawLine(QPointF(9, 8 + row * 4.5), QPointF(row % 2 ? 19 : 23, 8 + row * 4.5));
    } else if (key == QLatin1String("toolAdmin")) {
        p.translate(16, 16);
        p.setPen(outline);
        p.setBrush(QColor(120, 120, 130));
        for (int tooth = 0; tooth < 8; ++tooth) {
            p.drawRect(QRectF(-3, -14, 6, 6));
            p.rotate(45);
        }
        p.drawEllipse(QRectF(-10, -10, 20, 20));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(-4, -4, 8, 8));
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace core
