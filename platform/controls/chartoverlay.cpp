#include "controls/chartoverlay.h"

#include "controls/chart.h"

#include <QChart>
#include <QPainter>
#include <algorithm>

namespace controls {

namespace {

// Above the series and the grid, below the legend.
constexpr double OverlayZ = 11;

QColor topShade(const QColor &c) { return c.lighter(135); }
QColor sideShade(const QColor &c) { return c.darker(145); }

QPolygonF quad(const QPointF &a, const QPointF &b, const QPointF &depth)
{
    return QPolygonF{a, b, b + depth, a + depth};
}

} // namespace

QColor ValueLabelInk(const QColor &series)
{
    QColor ink = series.darker(130);
    for (int step = 0; step < 8 && ink.lightness() > 100; ++step)
        ink = ink.darker(140);
    return ink;
}

QPointF DepthOffset(double categoryWidth)
{
    const double dx = std::clamp(categoryWidth * 0.35, 3.0, 18.0);
    return QPointF(dx, -dx * 0.6);
}

ChartOverlay::ChartOverlay(Chart &chart, QGraphicsItem *parent) : QGraphicsItem(parent), chart_(chart)
{
    setZValue(OverlayZ);
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
}

void ChartOverlay::refresh()
{
    prepareGeometryChange();
    bounds_ = chart_.qchart()->boundingRect();
    update();
}

QRectF ChartOverlay::boundingRect() const { return bounds_; }

void ChartOverlay::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const int type = chart_.chartType();
    if (!chart_.anchor_ || chart_.rowCount() == 0)
        return;
    painter->save();
    // The chart's helpers speak scene coordinates.
    painter->setTransform(sceneTransform().inverted(), true);
    if (type == Chart2dPie) {
        paintPieLabels(*painter);
        painter->restore();
        return;
    }

    if (Is3dChartType(type)) {
        painter->setClipRect(chart_.plotRect());
        const QPointF depth = DepthOffset(chart_.categoryWidthPixels());
        paintFloor(*painter, depth);
        switch (type) {
        case Chart3dBar:
            paintBars(*painter, depth);
            break;
        case Chart3dCombination:
            paintBars(*painter, depth);
            paintRibbon(*painter, barTops(), depth, chart_.seriesColor().darker(160));
            break;
        case Chart3dLine:
            paintRibbon(*painter, linePoints(false), depth, chart_.seriesColor());
            break;
        case Chart3dStep:
            paintRibbon(*painter, linePoints(true), depth, chart_.seriesColor());
            break;
        case Chart3dArea:
            paintArea(*painter, linePoints(false), depth);
            break;
        default:
            break;
        }
        painter->setClipping(false);
    }
    if (chart_.valueLabelsVisible())
        paintLabels(*painter);
    painter->restore();
}

// The floor at the value axis' foot, receding to the back plane.
void ChartOverlay::paintFloor(QPainter &painter, const QPointF &depth) const
{
    const QRectF plot = chart_.plotRect();
    const QPointF left = plot.bottomLeft();
    const QPointF right = plot.bottomRight() - QPointF(depth.x(), 0);
    painter.setPen(QPen(chart_.plotColor().darker(160), 1));
    painter.setBrush(chart_.plotColor().darker(118));
    painter.drawPolygon(quad(left, right, depth));
    // The back wall's side edge.
    painter.drawLine(right + depth, QPointF(right.x() + depth.x(), plot.top()));
}

// Each bar a box: the front face in the series' colour, the top lighter, the right side darker.
void ChartOverlay::paintBars(QPainter &painter, const QPointF &depth) const
{
    const QColor fill = chart_.seriesColor();
    painter.setPen(QPen(fill.darker(200), 1));
    for (int row = 1; row <= chart_.rowCount(); ++row) {
        const QRectF front = chart_.barRect(row);
        painter.setBrush(sideShade(fill));
        painter.drawPolygon(quad(front.topRight(), front.bottomRight(), depth));
        painter.setBrush(topShade(fill));
        painter.drawPolygon(quad(front.topLeft(), front.topRight(), depth));
        painter.setBrush(fill);
        painter.drawRect(front);
    }
}

QList<QPointF> ChartOverlay::linePoints(bool stepped) const
{
    QList<QPointF> points;
    for (int row = 1; row <= chart_.rowCount(); ++row) {
        const double x = chart_.rowX(row);
        const double y = chart_.data(row);
        if (stepped) {
            points << chart_.position(x - 0.5, y) << chart_.position(x + 0.5, y);
        } else {
            points << chart_.position(x, y);
        }
    }
    return points;
}

// The middles of the bars' front tops: where a combination's line runs.
QList<QPointF> ChartOverlay::barTops() const
{
    QList<QPointF> points;
    for (int row = 1; row <= chart_.rowCount(); ++row) {
        const QRectF front = chart_.barRect(row);
        points << QPointF(front.center().x(), front.top());
    }
    return points;
}

// A line drawn as a band with depth: each segment a face, shaded by its slope so that rising
// and falling parts read apart; the front edge in the series' darker colour.
void ChartOverlay::paintRibbon(QPainter &painter, const QList<QPointF> &front, const QPointF &depth,
                               const QColor &fill) const
{
    painter.setPen(QPen(fill.darker(200), 1));
    for (int i = 0; i + 1 < front.size(); ++i) {
        const QPointF a = front[i];
        const QPointF b = front[i + 1];
        const bool facesUp = b.y() >= a.y() - 0.5 && std::abs(b.x() - a.x()) > 0.5;
        const bool vertical = std::abs(b.x() - a.x()) <= 0.5;
        painter.setBrush(vertical ? sideShade(fill) : facesUp ? topShade(fill) : fill);
        painter.drawPolygon(quad(a, b, depth));
    }
    painter.setPen(QPen(fill.darker(220), 2));
    painter.drawPolyline(QPolygonF(front));
}

// The area's front face, its top as a band receding to the back, and its right end.
void ChartOverlay::paintArea(QPainter &painter, const QList<QPointF> &front, const QPointF &depth) const
{
    if (front.isEmpty())
        return;
    const QColor fill = chart_.seriesColor();
    const QPointF baseLeft(front.first().x(), chart_.position(0, 0).y());
    const QPointF baseRight(front.last().x(), baseLeft.y());
    painter.setPen(QPen(fill.darker(200), 1));
    painter.setBrush(sideShade(fill));
    painter.drawPolygon(quad(front.last(), baseRight, depth));
    for (int i = 0; i + 1 < front.size(); ++i) {
        painter.setBrush(topShade(fill));
        painter.drawPolygon(quad(front[i], front[i + 1], depth));
    }
    QPolygonF face(front);
    face << baseRight << baseLeft;
    painter.setBrush(fill);
    painter.drawPolygon(face);
}

// The slices' labels where the chart placed them, each with its leader.
void ChartOverlay::paintPieLabels(QPainter &painter) const
{
    const QColor ink = ValueLabelInk(chart_.seriesColor());
    painter.setFont(chart_.sliceLabelFont());
    painter.setPen(QPen(ink, 1));
    for (const Chart::SliceLabel &label : chart_.sliceLabels()) {
        painter.drawPolyline(label.leader);
        painter.drawText(label.box, Qt::AlignCenter, label.text);
    }
}

// Each label on a light backing, so that it reads over bars, areas and dark walls alike.
void ChartOverlay::paintLabels(QPainter &painter) const
{
    const QColor ink = ValueLabelInk(chart_.seriesColor());
    painter.setFont(chart_.font());
    for (int row = 1; row <= chart_.rowCount(); ++row) {
        const QRectF box = chart_.labelRect(row);
        painter.fillRect(box, QColor(255, 255, 255, 230));
        painter.setPen(ink);
        if (!chart_.valueLabelsUpright()) {
            painter.drawText(box, Qt::AlignCenter, chart_.valueLabelText(row));
            continue;
        }
        painter.save();
        painter.translate(box.center());
        painter.rotate(-90);
        const QSizeF flat = box.size().transposed();
        painter.drawText(QRectF(QPointF(-flat.width() / 2, -flat.height() / 2), flat), Qt::AlignCenter,
                         chart_.valueLabelText(row));
        painter.restore();
    }
}

} // namespace controls
