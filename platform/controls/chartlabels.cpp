// The chart's labels: row labels and value labels fitted to the rows' width as laid out, the
// value labels' boxes, and the places of a pie's slice labels.
#include "controls/chart.h"

#include "controls/chartoverlay.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QValueAxis>
#include <QtMath>
#include <algorithm>

namespace controls {

namespace {

// Pixels kept between neighbouring labels, and between a value label and its point.
constexpr double LabelGap = 4.0;
constexpr double LabelLift = 4.0;
// The most a 3d point's middle stands above its front (DepthOffset's largest rise, halved).
constexpr double DepthRise = 6.0;
// Rows from which a pie's slice labels take the smaller type.
constexpr int ManySlices = 15;

double widestText(const QFont &font, const QStringList &texts)
{
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

} // namespace

int RowsPerLabel(double labelWidth, double rowWidth)
{
    int every = 1;
    for (int step = 0; labelWidth > every * rowWidth && every < 100000; ++step)
        every = step % 3 == 0 ? every * 2 : step % 3 == 1 ? every / 2 * 5 : every * 2;
    return every;
}

QStringList Chart::shownRowLabels() const
{
    if (labels_.isEmpty())
        return {QString()};
    // The axis holds each text once: the rows without a label get distinct invisible texts.
    QStringList shown;
    for (qsizetype i = 0; i < labels_.size(); ++i)
        shown << (i % rowsPerLabel_ == 0 ? labels_[i] : QString(i, QChar(0x200B)));
    return shown;
}

QFont ScaledLabelFont(const QFont &font)
{
    constexpr double scale = 0.8;
    QFont scaled = font;
    if (font.pointSizeF() > 0)
        scaled.setPointSizeF(font.pointSizeF() * scale);
    else
        scaled.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    return scaled;
}

bool Chart::fitLabels()
{
    if (!anchor_ || type_ == Chart2dPie || rowCount() == 0)
        return false;
    // One row's width: a category, or one on the XY chart's X axis.
    const double rowWidth = categoryWidthPixels();
    if (rowWidth <= 0)
        return false;
    const QFont rowFont = categoryAxis_->labelsFont();
    const int angle = categoryAxis_->labelsAngle();
    const int every = rowsPerLabel_;
    const double interval = valueAxisX_->tickInterval();
    fitRowLabels(rowWidth);
    const bool values = fitValueLabels(rowWidth);
    return values || rowFont != categoryAxis_->labelsFont() || angle != categoryAxis_->labelsAngle()
           || every != rowsPerLabel_ || interval != valueAxisX_->tickInterval();
}

// The row labels in the chart's type when they fit their rows, else smaller, else upright,
// else flat again on every second, fifth, tenth... row from the first, so that a label is
// never cut short; the XY chart labels every row, every other row or every fifth.
void Chart::fitRowLabels(double rowWidth)
{
    const QFont full = font();
    const QFont small = ScaledLabelFont(full);
    QFont chosen = full;
    int angle = 0;
    int every = 1;
    if (widestText(full, labels_) + LabelGap > rowWidth) {
        chosen = small;
        const double widest = widestText(small, labels_) + LabelGap;
        if (widest > rowWidth) {
            if (QFontMetricsF(small).height() + 1 <= rowWidth)
                angle = -90;
            else
                every = RowsPerLabel(widest, rowWidth);
        }
    }
    if (categoryAxis_->labelsFont() != chosen)
        categoryAxis_->setLabelsFont(chosen);
    if (categoryAxis_->labelsAngle() != angle)
        categoryAxis_->setLabelsAngle(angle);
    if (every != rowsPerLabel_) {
        rowsPerLabel_ = every;
        categoryAxis_->setCategories(shownRowLabels());
    }

    const double widestSmall = widestText(small, labels_) + LabelGap;
    const double interval = RowsPerLabel(widestSmall, rowWidth);
    if (valueAxisX_->labelsFont() != small)
        valueAxisX_->setLabelsFont(small);
    if (valueAxisX_->tickInterval() != interval)
        valueAxisX_->setTickInterval(interval);
}

// Value labels wider than their rows stand upright, and the value axis keeps their height
// free above the highest point.
bool Chart::fitValueLabels(double rowWidth)
{
    const double widest = widestValueLabel();
    const bool upright = labelsVisible_ && widest > rowWidth;
    const double headroom =
        upright ? std::ceil(widest + LabelLift + LabelGap + (Is3dChartType(type_) ? DepthRise : 0)) : 0;
    if (upright == uprightValues_ && headroom == headroomPixels_)
        return false;
    uprightValues_ = upright;
    headroomPixels_ = headroom;
    setValueRange(std::min(0.0, valueMin()), std::max(0.0, valueMax()));
    return true;
}

double Chart::widestValueLabel() const
{
    QStringList texts;
    for (int row = 1; row <= rowCount(); ++row)
        texts << valueLabelText(row);
    return widestText(font(), texts) + 2;
}

// A value label's box over its point: as wide as its text, or, upright, as tall.
QRectF Chart::labelRect(int row) const
{
    const QFontMetricsF metrics(font());
    const QSizeF flat(metrics.horizontalAdvance(valueLabelText(row)) + 2, metrics.height());
    const QSizeF size = uprightValues_ ? flat.transposed() : flat;
    const QPointF anchor = labelAnchor(row);
    return QRectF(QPointF(anchor.x() - size.width() / 2, anchor.y() - LabelLift - size.height()), size);
}

QString Chart::sliceLabelText(int row) const
{
    return labelsVisible_ ? rowLabel(row) + QStringLiteral(": ") + valueLabelText(row) : rowLabel(row);
}

QFont Chart::sliceLabelFont() const { return rowCount() > ManySlices ? ScaledLabelFont(font()) : font(); }

// Each slice with a value gets its label in a column on its side of the pie, joined to the
// middle of its rim by a leader; the labels of one side are pushed apart (down from the top,
// then back up from the bottom of the plot) so that they never overlap.
QList<Chart::SliceLabel> Chart::sliceLabels() const
{
    const QRectF plot = plotRect();
    const QPointF centre = plot.center();
    const double radius = std::min(plot.width(), plot.height()) * PieDiameterShare / 2;
    double total = 0;
    for (double value : values_)
        total += std::max(value, 0.0);
    if (total <= 0 || radius <= 0)
        return {};

    QList<SliceLabel> sides[2];   // left, right
    double start = 0;
    for (int row = 1; row <= rowCount(); ++row) {
        const double span = 360 * std::max(data(row), 0.0) / total;
        if (span <= 0)
            continue;
        // Clockwise from twelve o'clock, as the slices go.
        const double middle = qDegreesToRadians(start + span / 2);
        start += span;
        const QPointF direction(std::sin(middle), -std::cos(middle));
        SliceLabel label;
        label.row = row;
        label.text = sliceLabelText(row);
        label.leader << centre + direction * radius << centre + direction * radius * 1.1;
        sides[direction.x() >= 0 ? 1 : 0].append(label);
    }

    const QFontMetricsF metrics(sliceLabelFont());
    const double height = metrics.height();
    const double pitch = height + 1;   // a pixel between neighbouring labels
    QList<SliceLabel> placed;
    for (int side = 0; side < 2; ++side) {
        QList<SliceLabel> &labels = sides[side];
        std::sort(labels.begin(), labels.end(),
                  [](const SliceLabel &a, const SliceLabel &b) { return a.leader[1].y() < b.leader[1].y(); });
        QList<double> ys;
        for (const SliceLabel &label : labels)
            ys << std::max(label.leader[1].y(), ys.isEmpty() ? plot.top() + height / 2 : ys.last() + pitch);
        for (qsizetype i = ys.size() - 1; i >= 0; --i)
            ys[i] = std::min(ys[i], i + 1 < ys.size() ? ys[i + 1] - pitch : plot.bottom() - height / 2);
        const double column = side ? centre.x() + radius * 1.2 : centre.x() - radius * 1.2;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            SliceLabel &label = labels[i];
            label.leader << QPointF(column, ys[i]);
            const double width = metrics.horizontalAdvance(label.text) + 2;
            label.box = QRectF(side ? column + 2 : column - 2 - width, ys[i] - height / 2, width, height);
            placed << label;
        }
    }
    return placed;
}

} // namespace controls
