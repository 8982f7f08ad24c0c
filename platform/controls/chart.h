#pragma once
// A chart control of our own over Qt Charts: one series of values, one per row, each row with
// a label; twelve chart types by the numbers the windows use; a title, two axis titles, a
// legend and value labels that can each be switched off; colours for the title, the axis
// titles, the plot and the series. Qt Charts has no 3d series and no step series: the step
// types are drawn as stepped lines, and the 3d types with depth by ChartOverlay (an oblique
// projection of the same data with shaded faces) over an invisible series of the 2d kind, which
// keeps the axes, the legend and the mapping of values to positions.
//
// Labels stay readable as rows get many and narrow: the row labels shrink, then turn upright,
// then label every second, fifth... row, and are never cut short; value labels turn upright
// when they are wider than a row (the value axis makes room above the highest point for them)
// and sit on a light backing, so they never stand dark on a dark fill. A pie's slices are labelled with their row.
//
// The parts of the chart can be found under a point (title, axis title, legend, plot, a point,
// its value label...), a double-click reports the part it hit, and moving the pointer reports
// the part under it. Animations are off, so the same data always gives the same picture.
#include <QColor>
#include <QImage>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <functional>

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QAbstractSeries;
class QAbstractAxis;
class QBarCategoryAxis;
class QValueAxis;
QT_END_NAMESPACE

namespace controls {

class ChartOverlay;

// The chart types, by the numbers of the chart control the windows were written for.
enum ChartType : int {
    Chart3dBar = 0,
    Chart2dBar = 1,
    Chart3dLine = 2,
    Chart2dLine = 3,
    Chart3dArea = 4,
    Chart2dArea = 5,
    Chart3dStep = 6,
    Chart2dStep = 7,
    Chart3dCombination = 8,
    Chart2dCombination = 9,
    Chart2dPie = 14,
    Chart2dXY = 16,
};
bool IsChartType(int type);
// Rows per row label (1, 2, 5, 10, 20, 50...): the fewest that give a label of that width room.
int RowsPerLabel(double labelWidth, double rowWidth);
bool Is3dChartType(int type);

enum class ChartPart { None, ChartArea, Title, Footnote, Legend, Plot, Point, PointLabel, Series, Axis, AxisLabel, AxisTitle };
enum class ChartAxis { X, Y };

// What lies under a point of the chart. `row` (1-based) for a point, its label and its series.
struct ChartHit {
    ChartPart part = ChartPart::None;
    ChartAxis axis = ChartAxis::X;
    int row = 0;
};

class Chart : public QWidget {
    Q_OBJECT
public:
    explicit Chart(QWidget *parent = nullptr);
    ~Chart() override;

    int chartType() const { return type_; }
    // A number that is no chart type changes nothing.
    void setChartType(int type);

    // Rows, 1-based. A new row count keeps the values of the rows that remain, new rows are 0.
    int rowCount() const { return static_cast<int>(values_.size()); }
    void setRowCount(int rows);
    double data(int row) const;
    void setData(int row, double value);
    QString rowLabel(int row) const;
    void setRowLabel(int row, const QString &label);

    QString title() const { return title_; }
    void setTitle(const QString &title);
    QColor titleColor() const { return titleColor_; }
    void setTitleColor(const QColor &color);

    QString axisTitle(ChartAxis axis) const;
    void setAxisTitle(ChartAxis axis, const QString &title);
    QColor axisTitleColor(ChartAxis axis) const;
    void setAxisTitleColor(ChartAxis axis, const QColor &color);

    // The series' name, shown in the legend.
    QString seriesLabel() const { return seriesLabel_; }
    void setSeriesLabel(const QString &label);
    bool isLegendVisible() const { return legendVisible_; }
    void setLegendVisible(bool visible);

    // Value labels above the points, their texts made by the formatter (plain numbers by default).
    bool valueLabelsVisible() const { return labelsVisible_; }
    void setValueLabelsVisible(bool visible);
    void setValueLabelFormatter(std::function<QString(double)> formatter);
    QString valueLabelText(int row) const;
    // A pie slice's label: its row's label, and its value when value labels are on.
    QString sliceLabelText(int row) const;
    // Whether value labels are drawn upright (their rows are narrower than the labels).
    bool valueLabelsUpright() const { return uprightValues_; }

    // Values that are counts: the value axis steps by whole numbers.
    void setWholeNumberValues(bool whole);

    // The fill of the plot's wall.
    QColor plotColor() const { return plotColor_; }
    void setPlotColor(const QColor &color);
    // The fill of the series' points, the colour of their value labels and their markers' pen.
    QColor seriesColor() const { return seriesColor_; }
    void setSeriesColor(const QColor &color);

    // The part under a point of the control (its own coordinates).
    ChartHit hitTest(const QPoint &position);
    // Where a part is, for callers that point at parts (the control's coordinates; empty when
    // the part is not shown). For Point and PointLabel the row says which.
    QRectF partRect(const ChartHit &part);

    // The chart as it shows, at the control's size.
    QImage picture();

    // Shown when the pointer rests on the chart.
    void setPartToolTip(const QString &text);
    QString partToolTip() const { return toolTip_; }

    QChart *qchart() const { return chart_; }

signals:
    // A double-click on a part of the chart.
    void partActivated(const controls::ChartHit &hit);
    // The pointer moved over the chart.
    void partHovered(const controls::ChartHit &hit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class ChartOverlay;

    // Changes are gathered and the chart is built once before it is next shown or asked.
    void changed();
    void ensureBuilt();
    void build();
    void buildSeries();
    void buildPie();
    void setUpAxes();
    void setValueRange(double low, double high);
    // Fits the row labels and value labels to the rows' width as laid out; true when it
    // changed anything (the chart is then laid out again).
    bool fitLabels();
    void fitRowLabels(double rowWidth);
    // The category axis' texts: the row labels, every rowsPerLabel_-th from the first.
    QStringList shownRowLabels() const;
    bool fitValueLabels(double rowWidth);
    // Where a pie's slice labels go (scene coordinates), drawn by the overlay.
    struct SliceLabel {
        int row = 0;
        QString text;
        QPolygonF leader;   // from the slice's rim to the label
        QRectF box;
    };
    QList<SliceLabel> sliceLabels() const;
    QFont sliceLabelFont() const;
    void settle();
    void relayout();

    double valueMax() const;
    double valueMin() const;
    // Positions in the chart's scene; the x of row r (1-based) is r - 1 on the category axis
    // and r on the XY chart's value axis.
    QPointF position(double x, double y) const;
    double rowX(int row) const;
    double categoryWidthPixels() const;
    QRectF barRect(int row) const;
    QRectF labelRect(int row) const;
    double widestValueLabel() const;
    QPointF labelAnchor(int row) const;
    QRectF textItemRect(const QString &text, ChartPart part, ChartAxis axis) const;
    QRectF plotRect() const;
    int pieSliceAt(const QPointF &scenePoint) const;
    ChartHit hitPoint(const QPointF &scenePoint) const;
    QRectF toControl(const QRectF &sceneRect) const;
    QPointF toScene(const QPoint &position) const;

    QChartView *view_;
    QChart *chart_;
    ChartOverlay *overlay_ = nullptr;
    QAbstractSeries *anchor_ = nullptr;   // the series whose axes map values to positions
    QBarCategoryAxis *categoryAxis_ = nullptr;
    QValueAxis *valueAxisX_ = nullptr;
    QValueAxis *axisY_ = nullptr;
    QAbstractAxis *axisX_ = nullptr;   // the X axis in use: categories, or values for XY
    bool dirty_ = true;
    bool buildQueued_ = false;

    int type_ = Chart2dBar;
    QList<double> values_;
    QStringList labels_;
    QString title_;
    QColor titleColor_ = Qt::black;
    QString axisTitles_[2];
    QColor axisTitleColors_[2] = {Qt::black, Qt::black};
    QString seriesLabel_;
    bool legendVisible_ = false;
    bool labelsVisible_ = false;
    std::function<QString(double)> formatter_;
    bool wholeNumbers_ = false;
    bool uprightValues_ = false;
    int rowsPerLabel_ = 1;
    double headroomPixels_ = 0;   // kept free above the highest point for upright value labels
    QColor plotColor_ = Qt::white;
    QColor seriesColor_ = QColor(0x33, 0x66, 0xcc);
    QString toolTip_;
};

} // namespace controls
