#include "frontdesk/bills/viewericons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <QHash>

#include <functional>

namespace frontdesk {

namespace {

constexpr int Size = 24;
const QColor Ink(45, 45, 45);

// A letter drawn large in the button, for the three character styles.
void letter(QPainter &p, const QString &text, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(19);
    font.setBold(bold);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(Ink);
    p.drawText(QRectF(0, 0, Size, underline ? 20 : Size), Qt::AlignCenter, text);
    if (underline)
        p.fillRect(QRectF(6, 20, 12, 2), Ink);
}

// Four lines of text set left, centred or right.
void paragraph(QPainter &p, Qt::Alignment align)
{
    const qreal widths[] = {18, 12, 18, 10};
    for (int row = 0; row < 4; ++row) {
        const qreal w = widths[row];
        const qreal x = align == Qt::AlignLeft ? 3 : align == Qt::AlignRight ? 21 - w : 12 - w / 2;
        p.fillRect(QRectF(x, 4 + row * 5, w, 2), Ink);
    }
}

void page(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(140, 140, 140), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
}

void scissors(QPainter &p)
{
    p.setPen(QPen(QColor(90, 90, 100), 2));
    p.drawLine(QPointF(7, 3), QPointF(15, 16));
    p.drawLine(QPointF(17, 3), QPointF(9, 16));
    p.setPen(QPen(QColor(200, 50, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 15, 6, 6));
    p.drawEllipse(QRectF(15, 15, 6, 6));
}

void clipboard(QPainter &p)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(190, 140, 80));
    p.drawRoundedRect(QRectF(3, 4, 14, 18), 2, 2);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(7, 2, 6, 4));
    page(p, QRectF(10, 9, 11, 13));
}

// A capital A over a bar of the colour it stands for.
void fontColour(QPainter &p)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Ink);
    p.drawText(QRectF(0, 0, Size, 18), Qt::AlignCenter, QStringLiteral("A"));
    p.fillRect(QRectF(3, 18, 18, 4), QColor(220, 30, 30));
}

// A paint bucket pouring over a coloured ground.
void backColour(QPainter &p)
{
    p.fillRect(QRectF(2, 17, 20, 5), QColor(250, 210, 40));
    p.save();
    p.translate(10, 9);
    p.rotate(-30);
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(-5, -5, 10, 11));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(QRectF(16, 9, 5, 7));
}

void floppy(QPainter &p)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(60, 100, 170));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 12, 7));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(7, 14, 10, 7));
}

// A curved arrow turning back (undo) or forward (redo).
void turnArrow(QPainter &p, bool back)
{
    if (!back) {
        p.translate(Size, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(40, 110, 60), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(6, 10);
    curve.cubicTo(12, 4, 22, 8, 19, 17);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 60));
    p.drawPolygon(QPolygonF({QPointF(2, 10), QPointF(10, 4), QPointF(10, 15)}));
}

} // namespace

QIcon viewerIcon(const QString &key)
{
    static const QHash<QString, std::function<void(QPainter &)>> pictures{
        {QStringLiteral("boldi"), [](QPainter &p) { letter(p, QStringLiteral("B"), true, false, false); }},
        {QStringLiteral("italici"), [](QPainter &p) { letter(p, QStringLiteral("I"), false, true, false); }},
        {QStringLiteral("underlinei"), [](QPainter &p) { letter(p, QStringLiteral("U"), false, false, true); }},
        {QStringLiteral("alignlefti"), [](QPainter &p) { paragraph(p, Qt::AlignLeft); }},
        {QStringLiteral("aligncenteri"), [](QPainter &p) { paragraph(p, Qt::AlignHCenter); }},
        {QStringLiteral("alinerighti"), [](QPainter &p) { paragraph(p, Qt::AlignRight); }},
        {QStringLiteral("cuti"), scissors},
        {QStringLiteral("copyi"),
         [](QPainter &p) {
             page(p, QRectF(3, 2, 12, 15));
             page(p, QRectF(9, 7, 12, 15));
         }},
        {QStringLiteral("pastei"), clipboard},
        {QStringLiteral("colori"), fontColour},
        {QStringLiteral("backcolori"), backColour},
        {QStringLiteral("savei"), floppy},
        {QStringLiteral("undokey"), [](QPainter &p) { turnArrow(p, true); }},
        {QStringLiteral("redokey"), [](QPainter &p) { turnArrow(p, false); }},
    };
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (const auto draw = pictures.constFind(key); draw != pictures.constEnd())
        (*draw)(p);
    p.end();
    return QIcon(pixmap);
}

} // namespace frontdesk
