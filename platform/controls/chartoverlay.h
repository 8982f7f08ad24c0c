#pragma once
// What the chart draws itself over Qt Charts' items: the value labels (one text per point, in
// the series' colour on a light backing, upright when the chart says so), a pie's slice
// labels with their leaders, and, for the 3d types, the shapes with depth. The depth is an
// oblique projection: every front face is repeated a fixed offset up and to the right, and the
// faces between front and back are filled, tops lighter and sides darker than the front, over
// a floor that recedes the same way.
#include <QGraphicsItem>
#include <QColor>
#include <QFont>
#include <QPointF>

namespace controls {

class Chart;

// The pie's diameter as a share of the plot's shorter side.
inline constexpr double PieDiameterShare = 0.7;
// The smaller type of labels on many narrow rows or slices.
QFont ScaledLabelFont(const QFont &font);

// The colour of value labels in a series of that colour: its hue, dark enough to read on the
// light backing they are drawn on.
QColor ValueLabelInk(const QColor &series);

// The offset from a front face to its back face, in pixels (x right, y up is negative).
QPointF DepthOffset(double categoryWidth);

class ChartOverlay : public QGraphicsItem {
public:
    explicit ChartOverlay(Chart &chart, QGraphicsItem *parent);

    // The chart's geometry changed: the overlay covers it anew.
    void refresh();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void paintFloor(QPainter &painter, const QPointF &depth) const;
    void paintBars(QPainter &painter, const QPointF &depth) const;
    void paintRibbon(QPainter &painter, const QList<QPointF> &front, const QPointF &depth, const QColor &fill) const;
    void paintArea(QPainter &painter, const QList<QPointF> &front, const QPointF &depth) const;
    void paintLabels(QPainter &painter) const;
    void paintPieLabels(QPainter &painter) const;
    QList<QPointF> linePoints(bool stepped) const;
    QList<QPointF> barTops() const;

    Chart &chart_;
    QRectF bounds_;
};

} // namespace controls
