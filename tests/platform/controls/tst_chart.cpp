// The chart control: every chart type draws its own picture of the same data, the parts are
// found where they are drawn, and a double-click reports the part under the pointer.
#include "controls/chart.h"

#include <QDir>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

using controls::Chart;
using controls::ChartAxis;
using controls::ChartHit;
using controls::ChartPart;

Q_DECLARE_METATYPE(controls::ChartHit)

namespace {

const QList<int> AllTypes{controls::Chart2dArea, controls::Chart2dBar,  controls::Chart2dCombination,
                          controls::Chart2dLine, controls::Chart2dPie,  controls::Chart2dStep,
                          controls::Chart2dXY,   controls::Chart3dArea, controls::Chart3dBar,
                          controls::Chart3dCombination, controls::Chart3dLine, controls::Chart3dStep};

// A month with a rise, a fall, an empty day and a peak.
void fillMonth(Chart &chart)
{
    const QList<double> values{120, 340, 0, 560, 410, 90, 230, 780, 640, 300, 150, 470};
    chart.setRowCount(values.size());
    for (int row = 1; row <= values.size(); ++row) {
        chart.setData(row, values[row - 1]);
        chart.setRowLabel(row, QString::number(row));
    }
    chart.setTitle(QStringLiteral("Total Revenue for June 2010"));
    chart.setAxisTitle(ChartAxis::X, QStringLiteral("Dates of Month June 2010"));
    chart.setAxisTitle(ChartAxis::Y, QStringLiteral("Currency"));
    chart.setSeriesLabel(QStringLiteral("Revenue"));
    chart.setLegendVisible(true);
}

// The control shown at a size, with the month's data.
bool showFilled(Chart &chart, const QSize &size = QSize(640, 420))
{
    chart.resize(size);
    chart.show();
    fillMonth(chart);
    return QTest::qWaitForWindowExposed(&chart);
}

// Share of the pixels that differ between two pictures of one size.
double differingShare(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 1.0;
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            differing += p[col] != q[col];
    }
    return double(differing) / (x.width() * x.height());
}

// Pixels in (about) the series' colour, its lighter and its darker shades.
int seriesPixels(const QImage &picture, const QColor &colour)
{
    int count = 0;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < image.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(image.constScanLine(row));
        for (int col = 0; col < image.width(); ++col) {
            const QColor c(p[col]);
            count += std::abs(c.hue() - colour.hue()) <= 4 && c.saturation() > 60;
        }
    }
    return count;
}

} // namespace

class TestChart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<controls::ChartHit>(); }
    void everyTypeDrawsItsOwnPicture();
    void partsAreFoundWhereTheyAreDrawn_data();
    void partsAreFoundWhereTheyAreDrawn();
    void doubleClickReportsThePart();
    void threeDeeBarsShowDepth();
    void rowCountKeepsValuesAndIgnoresUnknownTypes();
    void colourChangesRedraw();
};

void TestChart::everyTypeDrawsItsOwnPicture()
{
    Chart chart;
    QVERIFY(showFilled(chart));
    chart.setValueLabelsVisible(true);

    QList<QImage> pictures;
    const QString folder = qEnvironmentVariable("HOTEL_TEST_SCRATCH");
    for (int type : AllTypes) {
        chart.setChartType(type);
        const QImage picture = chart.picture();
        QCOMPARE(picture.size(), QSize(640, 420));
        // Not blank: the series' colour covers a good part of the plot.
        QVERIFY2(seriesPixels(picture, chart.seriesColor()) > 2000, qPrintable(QString::number(type)));
        if (!folder.isEmpty())
            picture.save(folder + QStringLiteral("/chart-%1.png").arg(type));
        pictures << picture;
    }
    for (int i = 0; i < pictures.size(); ++i) {
        for (int j = i + 1; j < pictures.size(); ++j)
            QVERIFY2(differingShare(pictures[i], pictures[j]) > 0.005,
                     qPrintable(QStringLiteral("types %1 and %2 draw alike").arg(AllTypes[i]).arg(AllTypes[j])));
    }
    // The same data draws the same picture again.
    chart.setChartType(controls::Chart3dBar);
    QCOMPARE(differingShare(chart.picture(), pictures[AllTypes.indexOf(controls::Chart3dBar)]), 0.0);
}

void TestChart::partsAreFoundWhereTheyAreDrawn_data()
{
    QTest::addColumn<int>("type");
    for (int type : AllTypes)
        QTest::newRow(qPrintable(QString::number(type))) << type;
}

void TestChart::partsAreFoundWhereTheyAreDrawn()
{
    QFETCH(int, type);
    Chart chart;
    QVERIFY(showFilled(chart));
    chart.setValueLabelsVisible(true);
    chart.setChartType(type);

    QList<ChartHit> parts{{ChartPart::Title, ChartAxis::X, 0}, {ChartPart::Legend, ChartAxis::X, 0}};
    if (type != controls::Chart2dPie) {
        parts << ChartHit{ChartPart::AxisTitle, ChartAxis::X, 0} << ChartHit{ChartPart::AxisTitle, ChartAxis::Y, 0}
              << ChartHit{ChartPart::PointLabel, ChartAxis::X, 8};
    }
    for (const ChartHit &part : parts) {
        const QRectF where = chart.partRect(part);
        QVERIFY2(!where.isEmpty(), qPrintable(QStringLiteral("part %1").arg(int(part.part))));
        const ChartHit hit = chart.hitTest(where.center().toPoint());
        QCOMPARE(int(hit.part), int(part.part));
        QCOMPARE(int(hit.axis), int(part.axis));
        QCOMPARE(hit.row, part.row);
    }
    // The peak of the month (row 8): on a bar its face, elsewhere the point itself (a pie's
    // slice is found by its angle, on the slice's middle).
    if (type != controls::Chart2dPie) {
        const QRectF point = chart.partRect({ChartPart::Point, ChartAxis::X, 8});
        QVERIFY(!point.isEmpty());
        const ChartHit hit = chart.hitTest(point.center().toPoint() + QPoint(0, 1));
        QCOMPARE(int(hit.part), int(ChartPart::Point));
        QCOMPARE(hit.row, 8);
    }
    // A spot of the plot that holds no point, at its top left.
    const QRectF plot = chart.partRect({ChartPart::Plot, ChartAxis::X, 0});
    QCOMPARE(int(chart.hitTest((plot.topLeft() + QPointF(8, 8)).toPoint()).part), int(ChartPart::Plot));
    // The corner of the control is the chart's own area.
    QCOMPARE(int(chart.hitTest(QPoint(2, 2)).part), int(ChartPart::ChartArea));
}

void TestChart::doubleClickReportsThePart()
{
    Chart chart;
    QVERIFY(showFilled(chart));
    chart.setChartType(controls::Chart2dBar);
    QSignalSpy activated(&chart, &Chart::partActivated);
    QWidget *viewport = chart.childAt(chart.rect().center());
    QVERIFY(viewport);

    const QRectF title = chart.partRect({ChartPart::Title, ChartAxis::X, 0});
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(&chart, title.center().toPoint()));
    QCOMPARE(activated.size(), 1);
    QCOMPARE(int(activated[0][0].value<ChartHit>().part), int(ChartPart::Title));

    const QRectF bar = chart.partRect({ChartPart::Point, ChartAxis::X, 4});
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(&chart, bar.center().toPoint()));
    QCOMPARE(activated.size(), 2);
    QCOMPARE(int(activated[1][0].value<ChartHit>().part), int(ChartPart::Point));
    QCOMPARE(activated[1][0].value<ChartHit>().row, 4);
}

// A 3d bar has a lighter top and a darker side beside its front face.
void TestChart::threeDeeBarsShowDepth()
{
    Chart chart;
    QVERIFY(showFilled(chart));
    chart.setChartType(controls::Chart3dBar);
    const QImage picture = chart.picture();
    const QRectF front = chart.partRect({ChartPart::Point, ChartAxis::X, 8});
    const QColor face = picture.pixelColor(front.center().toPoint());
    const QColor top = picture.pixelColor((front.topLeft() + QPointF(front.width() / 2 + 2, -2)).toPoint());
    const QColor side = picture.pixelColor((front.topRight() + QPointF(2, front.height() / 2)).toPoint());
    QCOMPARE(face, chart.seriesColor());
    QVERIFY2(top.lightness() > face.lightness(), qPrintable(top.name()));
    QVERIFY2(side.lightness() < face.lightness(), qPrintable(side.name()));
}

void TestChart::rowCountKeepsValuesAndIgnoresUnknownTypes()
{
    Chart chart;
    chart.setRowCount(3);
    chart.setData(1, 5);
    chart.setData(3, 7);
    chart.setRowCount(2);
    chart.setRowCount(4);
    QCOMPARE(chart.data(1), 5.0);
    QCOMPARE(chart.data(3), 0.0);
    QCOMPARE(chart.data(9), 0.0);
    chart.setChartType(controls::Chart3dStep);
    chart.setChartType(11);
    QCOMPARE(chart.chartType(), int(controls::Chart3dStep));
}

void TestChart::colourChangesRedraw()
{
    Chart chart;
    QVERIFY(showFilled(chart, QSize(480, 320)));
    chart.setChartType(controls::Chart2dBar);
    const QPoint inPlot = chart.partRect({ChartPart::Plot, ChartAxis::X, 0}).topLeft().toPoint() + QPoint(6, 6);
    chart.setPlotColor(QColor(250, 240, 200));
    QCOMPARE(chart.picture().pixelColor(inPlot), QColor(250, 240, 200));
    const QPoint inBar = chart.partRect({ChartPart::Point, ChartAxis::X, 8}).center().toPoint();
    chart.setSeriesColor(QColor(200, 30, 40));
    QCOMPARE(chart.picture().pixelColor(inBar), QColor(200, 30, 40));
}

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
