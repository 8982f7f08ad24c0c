#include "controls/chart.h"

#include "controls/chartoverlay.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPieSeries>
#include <QPieSlice>
#include <QAreaSeries>
#include <QTimer>
#include <QToolTip>
#include <QValueAxis>
#include <QtMath>
#include <algorithm>

namespace controls {

namespace {

bool isBarKind(int type) { return type == Chart2dBar || type == Chart3dBar || type == Chart2dCombination || type == Chart3dCombination; }
bool isStepKind(int type) { return type == Chart2dStep || type == Chart3dStep; }
bool isAreaKind(int type) { return type == Chart2dArea || type == Chart3dArea; }

// Pixels around a line or a point that still count as hitting it.
constexpr double HitSlack = 5.0;

double distanceToSegment(const QPointF &p, const QPointF &a, const QPointF &b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

} // namespace

bool IsChartType(int type)
{
    return (type >= Chart3dBar && type <= Chart2dCombination) || type == Chart2dPie || type == Chart2dXY;
}

bool Is3dChartType(int type)
{
    return type == Chart3dBar || type == Chart3dLine || type == Chart3dArea || type == Chart3dStep
           || type == Chart3dCombination;
}

// The view is made with the chart: a view made without one makes a chart of its own, which
// setChart would let go of without deleting it.
Chart::Chart(QWidget *parent) : QWidget(parent), view_(nullptr), chart_(new QChart)
{
    view_ = new QChartView(chart_);
    chart_->setAnimationOptions(QChart::NoAnimation);
    // Under the plot, so that the plot keeps the whole width for the axis title and the rows.
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setBackgroundRoundness(0);
    view_->setRenderHint(QPainter::Antialiasing, false);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setMouseTracking(true);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    categoryAxis_ = new QBarCategoryAxis(chart_);
    valueAxisX_ = new QValueAxis(chart_);
    axisY_ = new QValueAxis(chart_);
    chart_->addAxis(categoryAxis_, Qt::AlignBottom);
    chart_->addAxis(valueAxisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);

    overlay_ = new ChartOverlay(*this, chart_);
    // A new plot size (the control resized) may call for other label sizes: fitted once the
    // layout has settled, and laid out again when they changed.
    connect(chart_, &QChart::plotAreaChanged, this, [this] {
        overlay_->refresh();
        QTimer::singleShot(0, this, [this] {
            if (!dirty_ && fitLabels())
                relayout();
        });
    });
    changed();
}

Chart::~Chart() = default;

void Chart::changed()
{
    dirty_ = true;
    if (!buildQueued_) {
        buildQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            buildQueued_ = false;
            ensureBuilt();
        });
    }
}

void Chart::setChartType(int type)
{
    if (!IsChartType(type) || type == type_)
        return;
    type_ = type;
    changed();
}

void Chart::setRowCount(int rows)
{
    rows = std::max(rows, 0);
    values_.resize(rows, 0.0);
    while (labels_.size() > rows)
        labels_.removeLast();
    while (labels_.size() < rows)
        labels_.append(QString::number(labels_.size() + 1));
    changed();
}

double Chart::data(int row) const { return row >= 1 && row <= rowCount() ? values_[row - 1] : 0.0; }

void Chart::setData(int row, double value)
{
    if (row < 1 || row > rowCount())
        return;
    values_[row - 1] = value;
    changed();
}

QString Chart::rowLabel(int row) const { return row >= 1 && row <= rowCount() ? labels_[row - 1] : QString(); }

void Chart::setRowLabel(int row, const QString &label)
{
    if (row < 1 || row > rowCount())
        return;
    labels_[row - 1] = label;
    changed();
}

void Chart::setTitle(const QString &title)
{
    title_ = title;
    changed();
}

void Chart::setTitleColor(const QColor &color)
{
    titleColor_ = color;
    changed();
}

QString Chart::axisTitle(ChartAxis axis) const { return axisTitles_[static_cast<int>(axis)]; }

void Chart::setAxisTitle(ChartAxis axis, const QString &title)
{
    axisTitles_[static_cast<int>(axis)] = title;
    changed();
}

QColor Chart::axisTitleColor(ChartAxis axis) const { return axisTitleColors_[static_cast<int>(axis)]; }

void Chart::setAxisTitleColor(ChartAxis axis, const QColor &color)
{
    axisTitleColors_[static_cast<int>(axis)] = color;
    changed();
}

void Chart::setSeriesLabel(const QString &label)
{
    seriesLabel_ = label;
    changed();
}

void Chart::setLegendVisible(bool visible)
{
    legendVisible_ = visible;
    changed();
}

void Chart::setValueLabelsVisible(bool visible)
{
    labelsVisible_ = visible;
    changed();
}

void Chart::setValueLabelFormatter(std::function<QString(double)> formatter)
{
    formatter_ = std::move(formatter);
    changed();
}

QString Chart::valueLabelText(int row) const
{
    const double value = data(row);
    return formatter_ ? formatter_(value) : QString::number(value);
}

void Chart::setWholeNumberValues(bool whole)
{
    wholeNumbers_ = whole;
    changed();
}

void Chart::setPlotColor(const QColor &color)
{
    plotColor_ = color;
    changed();
}

void Chart::setSeriesColor(const QColor &color)
{
    seriesColor_ = color;
    changed();
}

void Chart::setPartToolTip(const QString &text)
{
    toolTip_ = text;
    setToolTip(text);
}

// ---- building ----

void Chart::ensureBuilt()
{
    if (dirty_) {
        dirty_ = false;
        build();
    }
    settle();
}

// Qt Charts lays out its items when the posted layout requests are handled; the geometry asked
// of the chart (plot area, positions, the picture) must be the current one.
void Chart::settle()
{
    if (view_->size() != size() && isVisible())
        layout()->activate();
    relayout();
    // Label sizes follow the rows' width, which the layout gives; a second round settles the
    // few pixels the first one moved.
    for (int round = 0; round < 3 && fitLabels(); ++round)
        relayout();
    overlay_->refresh();
}

void Chart::relayout()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (chart_->layout())
        chart_->layout()->activate();
}

void Chart::build()
{
    chart_->removeAllSeries();
    anchor_ = nullptr;

    chart_->setTitle(title_);
    chart_->setTitleBrush(titleColor_);
    chart_->setPlotAreaBackgroundBrush(plotColor_);
    chart_->setPlotAreaBackgroundVisible(true);

    if (type_ == Chart2dPie)
        buildPie();
    else
        buildSeries();

    chart_->legend()->setVisible(legendVisible_);
    overlay_->refresh();
}

void Chart::buildSeries()
{
    const bool flat = !Is3dChartType(type_);
    QColor fill = seriesColor_;
    QList<QAbstractSeries *> series;

    if (isBarKind(type_)) {
        auto *bars = new QBarSeries;
        auto *set = new QBarSet(seriesLabel_);
        for (double value : values_)
            set->append(value);
        set->setColor(fill);
        set->setBorderColor(fill.darker(150));
        bars->append(set);
        series << bars;
        anchor_ = bars;
    }
    if (!isBarKind(type_) || type_ == Chart2dCombination || type_ == Chart3dCombination) {
        auto *line = new QLineSeries;
        line->setName(seriesLabel_);
        for (int row = 1; row <= rowCount(); ++row) {
            const double x = rowX(row);
            if (isStepKind(type_)) {
                line->append(x - 0.5, data(row));
                line->append(x + 0.5, data(row));
            } else {
                line->append(x, data(row));
            }
        }
        QPen pen(isBarKind(type_) ? fill.darker(170) : fill, 2);
        line->setPen(pen);
        line->setPointsVisible(type_ == Chart2dXY || type_ == Chart2dLine || isBarKind(type_));
        if (isAreaKind(type_)) {
            auto *area = new QAreaSeries(line);
            line->setParent(area);   // an area series does not own its bounding line
            area->setName(seriesLabel_);
            area->setBrush(fill);
            area->setPen(QPen(fill.darker(150), 1));
            series << area;
            if (!anchor_)
                anchor_ = area;
        } else {
            series << line;
            if (!anchor_)
                anchor_ = line;
        }
    }

    for (QAbstractSeries *s : series) {
        chart_->addSeries(s);
        // The 3d types draw the same values themselves, with depth.
        if (!flat)
            s->setOpacity(0.0);
    }
    setUpAxes();
    for (QAbstractSeries *s : series) {
        s->attachAxis(axisX_);
        s->attachAxis(axisY_);
    }
    // A combination names its series once.
    if (series.size() > 1) {
        for (QLegendMarker *marker : chart_->legend()->markers(series.last()))
            marker->setVisible(false);
    }
}

void Chart::buildPie()
{
    auto *pie = new QPieSeries;
    pie->setName(seriesLabel_);
    pie->setPieSize(PieDiameterShare);
    for (int row = 1; row <= rowCount(); ++row) {
        QPieSlice *slice = pie->append(rowLabel(row), std::max(data(row), 0.0));
        // Neighbouring slices alternate two shades of the series' colour.
        slice->setBrush(row % 2 ? seriesColor_ : seriesColor_.lighter(140));
        slice->setBorderColor(Qt::white);
        // The slices' labels are the overlay's, set apart so that thin neighbours' labels never
        // cover each other.
        slice->setLabelVisible(false);
    }
    chart_->addSeries(pie);
    anchor_ = pie;
    setUpAxes();
    // The legend names the series, not each slice: the slices' markers give way to one of
    // an empty series that carries the series' name and colour.
    for (QLegendMarker *marker : chart_->legend()->markers(pie))
        marker->setVisible(false);
    auto *name = new QLineSeries;
    name->setName(seriesLabel_);
    name->setPen(QPen(seriesColor_, 2));
    name->setBrush(seriesColor_);
    chart_->addSeries(name);
}

// The axes stay with the chart (items of removed axes would linger until the event loop
// deletes them); each build sets them up and shows the pair the type uses.
void Chart::setUpAxes()
{
    const bool pie = type_ == Chart2dPie;
    const bool xy = type_ == Chart2dXY;
    categoryAxis_->setCategories(shownRowLabels());
    categoryAxis_->setVisible(!pie && !xy);
    // Row labels are never cut short: fitLabels gives them a size and a spacing that fit.
    categoryAxis_->setTruncateLabels(false);

    valueAxisX_->setRange(0.5, std::max(rowCount(), 1) + 0.5);
    valueAxisX_->setTickType(QValueAxis::TicksDynamic);
    valueAxisX_->setTickAnchor(1);
    valueAxisX_->setLabelFormat(QStringLiteral("%.0f"));
    valueAxisX_->setTruncateLabels(false);
    valueAxisX_->setVisible(xy);

    setValueRange(std::min(0.0, valueMin()), std::max(0.0, valueMax()));
    axisY_->setVisible(!pie);

    for (QAbstractAxis *x : {static_cast<QAbstractAxis *>(categoryAxis_), static_cast<QAbstractAxis *>(valueAxisX_)}) {
        x->setTitleText(axisTitles_[0]);
        x->setTitleBrush(axisTitleColors_[0]);
    }
    axisY_->setTitleText(axisTitles_[1]);
    axisY_->setTitleBrush(axisTitleColors_[1]);
    axisX_ = xy ? static_cast<QAbstractAxis *>(valueAxisX_) : categoryAxis_;
}

// The value axis from `low` to above `high`: room above the highest point for its label
// (and, in 3d, its depth), or for upright labels as tall as they are; counts step by whole
// numbers.
void Chart::setValueRange(double low, double high)
{
    if (high <= low)
        high = low + 1;
    double top = high + (high - low) * 0.15;
    const double plotHeight = chart_->plotArea().height();
    if (headroomPixels_ > 0 && plotHeight > headroomPixels_ * 1.5)
        top = std::max(top, low + (high - low) * plotHeight / (plotHeight - headroomPixels_));
    axisY_->setTickType(QValueAxis::TicksFixed);
    if (!wholeNumbers_) {
        axisY_->setRange(low, top);
        axisY_->setTickCount(6);
        axisY_->applyNiceNumbers();
        axisY_->setLabelFormat(axisY_->max() - axisY_->min() >= 10 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
        return;
    }
    // At most about five steps of 1, 2 or 5 times a power of ten, never less than 1.
    const double rough = std::max(1.0, (top - low) / 5);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough)
            break;
    }
    const double first = std::floor(low / step) * step;
    const double last = std::max(std::ceil(top / step), std::floor(low / step) + 1) * step;
    axisY_->setRange(first, last);
    axisY_->setTickCount(qRound((last - first) / step) + 1);
    axisY_->setLabelFormat(QStringLiteral("%.0f"));
}

double Chart::valueMax() const { return values_.isEmpty() ? 0.0 : *std::max_element(values_.begin(), values_.end()); }
double Chart::valueMin() const { return values_.isEmpty() ? 0.0 : *std::min_element(values_.begin(), values_.end()); }

// ---- geometry ----

double Chart::rowX(int row) const { return type_ == Chart2dXY ? row : row - 1; }

QPointF Chart::position(double x, double y) const
{
    return anchor_ ? chart_->mapToScene(chart_->mapToPosition(QPointF(x, y), anchor_)) : QPointF();
}

QRectF Chart::plotRect() const { return chart_->mapRectToScene(chart_->plotArea()); }

double Chart::categoryWidthPixels() const { return position(1, 0).x() - position(0, 0).x(); }

// The front face of a bar (2d: the bar itself).
QRectF Chart::barRect(int row) const
{
    const double category = categoryWidthPixels();
    const double width = category * 0.5;
    const QPointF top = position(rowX(row), data(row));
    const QPointF base = position(rowX(row), 0);
    double left = top.x() - width / 2;
    if (Is3dChartType(type_))
        left -= DepthOffset(category).x() / 2;
    return QRectF(QPointF(left, std::min(top.y(), base.y())), QPointF(left + width, std::max(top.y(), base.y())));
}

// Where a point's value label stands on: the top of its bar or the point itself, on the
// middle of the depth in 3d.
QPointF Chart::labelAnchor(int row) const
{
    const QPointF depth = Is3dChartType(type_) ? DepthOffset(categoryWidthPixels()) : QPointF();
    if (isBarKind(type_)) {
        const QRectF bar = barRect(row);
        return QPointF(bar.center().x(), bar.top()) + depth / 2;
    }
    return position(rowX(row), data(row)) + depth / 2;
}

// Titles are Qt Charts' own text items; the one with the text that lies on the part's side of
// the plot is the part.
QRectF Chart::textItemRect(const QString &text, ChartPart part, ChartAxis axis) const
{
    if (text.isEmpty() || !chart_->scene())
        return {};
    const QRectF plot = plotRect();
    const QRectF legend = chart_->legend()->isVisible() ? chart_->legend()->sceneBoundingRect() : QRectF();
    for (QGraphicsItem *item : chart_->scene()->items()) {
        auto *textItem = qgraphicsitem_cast<QGraphicsTextItem *>(item);
        if (!textItem || !textItem->isVisible() || textItem->toPlainText() != text)
            continue;
        const QRectF r = textItem->sceneBoundingRect();
        if (legend.contains(r.center()))
            continue;
        const bool onSide = part == ChartPart::Title ? r.bottom() <= plot.top() + 1
                            : axis == ChartAxis::X   ? r.top() >= plot.bottom() - 1
                                                     : r.right() <= plot.left() + 1;
        if (onSide)
            return r;
    }
    return {};
}

int Chart::pieSliceAt(const QPointF &p) const
{
    const QRectF plot = plotRect();
    const QPointF centre = plot.center();
    const double radius = std::min(plot.width(), plot.height()) * PieDiameterShare / 2;
    const QPointF d = p - centre;
    if (std::hypot(d.x(), d.y()) > radius)
        return 0;
    double total = 0;
    for (double v : values_)
        total += std::max(v, 0.0);
    if (total <= 0)
        return 0;
    // Slices go clockwise from twelve o'clock.
    double angle = qRadiansToDegrees(std::atan2(d.x(), -d.y()));
    if (angle < 0)
        angle += 360;
    double start = 0;
    for (int row = 1; row <= rowCount(); ++row) {
        const double span = 360 * std::max(data(row), 0.0) / total;
        if (span > 0 && angle >= start && angle < start + span)
            return row;
        start += span;
    }
    return 0;
}

ChartHit Chart::hitPoint(const QPointF &p) const
{
    if (type_ == Chart2dPie) {
        for (const SliceLabel &label : sliceLabels()) {
            if (label.box.contains(p))
                return {ChartPart::PointLabel, ChartAxis::X, label.row};
        }
        const int row = pieSliceAt(p);
        return row ? ChartHit{ChartPart::Point, ChartAxis::X, row} : ChartHit{};
    }
    const QPointF depth = Is3dChartType(type_) ? DepthOffset(categoryWidthPixels()) : QPointF();
    for (int row = 1; row <= rowCount(); ++row) {
        if (labelsVisible_ && labelRect(row).contains(p))
            return {ChartPart::PointLabel, ChartAxis::X, row};
    }
    if (isBarKind(type_)) {
        for (int row = 1; row <= rowCount(); ++row) {
            const QRectF bar = barRect(row);
            // The bar with its depth: front, top and side.
            const QRectF solid(bar.topLeft() + QPointF(0, depth.y()), bar.bottomRight() + QPointF(depth.x(), 0));
            if (solid.adjusted(-1, -1, 1, 1).contains(p))
                return {ChartPart::Point, ChartAxis::X, row};
        }
    }
    for (int row = 1; row <= rowCount(); ++row) {
        const QPointF point = position(rowX(row), data(row));
        const double reach = isStepKind(type_) ? categoryWidthPixels() / 2 : HitSlack;
        const QRectF around(point.x() - reach, point.y() - HitSlack + std::min(depth.y(), 0.0),
                            2 * reach + depth.x(), 2 * HitSlack - depth.y());
        if (!isBarKind(type_) && around.contains(p))
            return {ChartPart::Point, ChartAxis::X, row};
    }
    if (!isBarKind(type_) || type_ == Chart2dCombination || type_ == Chart3dCombination) {
        // Between the points: the series' line (and an area's fill).
        for (int row = 1; row < rowCount(); ++row) {
            const QPointF a = position(rowX(row), data(row));
            const QPointF b = position(rowX(row + 1), data(row + 1));
            if (distanceToSegment(p, a, b) <= HitSlack - depth.y())
                return {ChartPart::Series, ChartAxis::X, row};
        }
        if (isAreaKind(type_)) {
            QPolygonF area;
            for (int row = 1; row <= rowCount(); ++row)
                area << position(rowX(row), data(row));
            area << position(rowX(rowCount()), 0) << position(rowX(1), 0);
            if (area.containsPoint(p, Qt::OddEvenFill))
                return {ChartPart::Series, ChartAxis::X, 1};
        }
    }
    return {};
}

QPointF Chart::toScene(const QPoint &position) const
{
    return view_->mapToScene(view_->viewport()->mapFrom(this, position));
}

QRectF Chart::toControl(const QRectF &sceneRect) const
{
    if (sceneRect.isEmpty())
        return {};
    const QPolygon onView = view_->mapFromScene(sceneRect);
    const QRect r = onView.boundingRect();
    return QRectF(view_->viewport()->mapTo(this, r.topLeft()), r.size());
}

ChartHit Chart::hitTest(const QPoint &position)
{
    ensureBuilt();
    const QPointF p = toScene(position);
    if (!rect().contains(position))
        return {};
    if (textItemRect(title_, ChartPart::Title, ChartAxis::X).contains(p))
        return {ChartPart::Title, ChartAxis::X, 0};
    if (chart_->legend()->isVisible() && chart_->legend()->sceneBoundingRect().contains(p))
        return {ChartPart::Legend, ChartAxis::X, 0};
    if (type_ != Chart2dPie) {
        for (ChartAxis axis : {ChartAxis::X, ChartAxis::Y}) {
            if (textItemRect(axisTitle(axis), ChartPart::AxisTitle, axis).contains(p))
                return {ChartPart::AxisTitle, axis, 0};
        }
    }
    const ChartHit point = hitPoint(p);
    if (point.part != ChartPart::None)
        return point;
    const QRectF plot = plotRect();
    if (type_ != Chart2dPie) {
        if (std::abs(p.x() - plot.left()) <= 3 && p.y() >= plot.top() && p.y() <= plot.bottom() + 3)
            return {ChartPart::Axis, ChartAxis::Y, 0};
        if (std::abs(p.y() - plot.bottom()) <= 3 && p.x() >= plot.left() - 3 && p.x() <= plot.right())
            return {ChartPart::Axis, ChartAxis::X, 0};
    }
    if (plot.contains(p))
        return {ChartPart::Plot, ChartAxis::X, 0};
    if (type_ != Chart2dPie) {
        const QFontMetricsF metrics(font());
        const double band = metrics.height() * 1.6;
        if (p.y() > plot.bottom() && p.y() <= plot.bottom() + band && p.x() >= plot.left() && p.x() <= plot.right())
            return {ChartPart::AxisLabel, ChartAxis::X, 0};
        const double widest = metrics.horizontalAdvance(QString::number(static_cast<qint64>(valueMax())) + QStringLiteral("00"));
        if (p.x() < plot.left() && p.x() >= plot.left() - widest && p.y() >= plot.top() && p.y() <= plot.bottom())
            return {ChartPart::AxisLabel, ChartAxis::Y, 0};
    }
    return {ChartPart::ChartArea, ChartAxis::X, 0};
}

QRectF Chart::partRect(const ChartHit &part)
{
    ensureBuilt();
    switch (part.part) {
    case ChartPart::Title:
        return toControl(textItemRect(title_, ChartPart::Title, ChartAxis::X));
    case ChartPart::AxisTitle:
        return toControl(textItemRect(axisTitle(part.axis), ChartPart::AxisTitle, part.axis));
    case ChartPart::Legend:
        return chart_->legend()->isVisible() ? toControl(chart_->legend()->sceneBoundingRect()) : QRectF();
    case ChartPart::Plot:
        return toControl(plotRect());
    case ChartPart::PointLabel:
        if (type_ == Chart2dPie) {
            for (const SliceLabel &label : sliceLabels()) {
                if (label.row == part.row)
                    return toControl(label.box);
            }
            return {};
        }
        return labelsVisible_ && part.row >= 1 && part.row <= rowCount() ? toControl(labelRect(part.row)) : QRectF();
    case ChartPart::Point: {
        if (part.row < 1 || part.row > rowCount())
            return {};
        if (isBarKind(type_))
            return toControl(barRect(part.row));
        const QPointF p = position(rowX(part.row), data(part.row));
        return toControl(QRectF(p - QPointF(2, 2), QSizeF(4, 4)));
    }
    default:
        return {};
    }
}

QImage Chart::picture()
{
    ensureBuilt();
    return view_->grab().toImage();
}

// ---- events ----

bool Chart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonDblClick: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            emit partActivated(hitTest(view_->viewport()->mapTo(this, mouse->position().toPoint())));
            return true;
        }
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            emit partHovered(hitTest(view_->viewport()->mapTo(this, mouse->position().toPoint())));
            break;
        }
        case QEvent::ToolTip: {
            const auto *help = static_cast<QHelpEvent *>(event);
            if (toolTip_.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), toolTip_, view_->viewport());
            return true;
        }
        case QEvent::Paint:
            if (dirty_)
                ensureBuilt();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace controls
