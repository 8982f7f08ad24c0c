// The revenue report over a real database on both engines: a month's rows with gaps, the
// figures and their decorations, bookings made through the booking window, the chart's own
// events with scripted answers, saving a picture read back by a real reader.
#include "backoffice/register.h"
#include "backoffice/stats/frmstats.h"
#include "bookingtesting.h"
#include "core/state/windowregistry.h"
#include "support/scratch_database.h"
#include "support/screenchecks.h"
#include "ui/twips.h"
#include "vb/conversions.h"
#include "vb/datetime.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QComboBox>
#include <QFile>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QSet>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using backoffice::frmStats;
using controls::ChartAxis;
using controls::ChartHit;
using controls::ChartPart;

namespace {

frmStats &openStats()
{
    auto &frm = ui::Forms::Get<frmStats>();
    frm.Show(ui::vbModeless);
    frm.Move(0, 0, 12000, 8400);
    return frm;
}

// A year of the year list that is (or is not) a leap year.
QString listedYear(const frmStats &frm, bool leap)
{
    for (int i = 0; i < frm.CYear->count(); ++i) {
        if (QDate::isLeapYear(frm.CYear->itemText(i).toInt()) == leap)
            return frm.CYear->itemText(i);
    }
    return {};
}

void choose(frmStats &frm, int month, const QString &year)
{
    frm.CYear->setCurrentText(year);
    frm.CMonth->setCurrentIndex(month - 1);
}

// One day's statistics row, as bookings and food orders leave it.
void seedDay(testsupport::CoreFixture &fx, const QString &year, int month, int day, const QString &booking,
             const QString &food, int bookings, int orders)
{
    fx.exec(QStringLiteral("INSERT INTO tbl_revenueStats (tDate, tRevenue, tBookingRevenue, tFoodDrinkRevenue, "
                           "tBookings, tFoodOrders) VALUES (#%1/%2/%3#, %4 + %5, %4, %5, %6, %7)")
                .arg(month)
                .arg(day)
                .arg(year, booking, food)
                .arg(bookings)
                .arg(orders));
}

// The window on June of a year that is no leap year, with one day's row.
frmStats &openJune(testsupport::CoreFixture &fx, int day, const QString &revenue, int bookings, QString *year = nullptr)
{
    frmStats &frm = openStats();
    const QString june = listedYear(frm, false);
    seedDay(fx, june, 6, day, revenue, "0", bookings, 0);
    choose(frm, 6, june);
    if (year)
        *year = june;
    return frm;
}

QList<double> chartValues(const frmStats &frm)
{
    QList<double> values;
    for (int row = 1; row <= frm.MSChart1->rowCount(); ++row)
        values << frm.MSChart1->data(row);
    return values;
}

// Double-clicks a part of the chart where it is drawn.
void doubleClick(frmStats &frm, const ChartHit &part)
{
    const QRectF where = frm.MSChart1->partRect(part);
    QVERIFY2(!where.isEmpty(), "the part is not shown");
    QWidget *viewport = frm.MSChart1->childAt(where.center().toPoint());
    QVERIFY(viewport);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(frm.MSChart1, where.center().toPoint()));
}

QString hoverTip(frmStats &frm, const QPoint &at)
{
    QWidget *viewport = frm.MSChart1->childAt(at);
    if (!viewport)
        return QStringLiteral("<none>");
    const QPoint local = viewport->mapFrom(frm.MSChart1, at);
    QMouseEvent move(QEvent::MouseMove, local, viewport->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    return frm.MSChart1->partToolTip();
}

// The texts Qt Charts shows on one side of the plot (under it for X, left of it for Y),
// axis titles and the legend aside, left to right or bottom to top, with their boxes in the scene.
QList<std::pair<QString, QRectF>> axisLabels(const frmStats &frm, ChartAxis axis)
{
    QChart *chart = frm.MSChart1->qchart();
    const QRectF plot = chart->mapRectToScene(chart->plotArea());
    const QRectF legend = chart->legend()->isVisible() ? chart->legend()->sceneBoundingRect() : QRectF();
    QList<std::pair<QString, QRectF>> labels;
    for (QGraphicsItem *item : chart->scene()->items()) {
        auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item);
        if (!text || !text->isVisible() || text->toPlainText() == frm.MSChart1->axisTitle(axis))
            continue;
        const QRectF box = text->sceneBoundingRect();
        if (legend.contains(box.center()))
            continue;
        if (axis == ChartAxis::X ? box.top() >= plot.bottom() - 1 : box.right() <= plot.left() + 1)
            labels.append({text->toPlainText(), box});
    }
    std::sort(labels.begin(), labels.end(), [axis](const auto &a, const auto &b) {
        return axis == ChartAxis::X ? a.second.center().x() < b.second.center().x()
                                    : a.second.center().y() > b.second.center().y();
    });
    return labels;
}

// Pixels of exactly the series' fill inside a box of the chart's picture.
int fillPixelsIn(const QImage &picture, const QRectF &box, const QColor &fill)
{
    int count = 0;
    const QRect inside = box.toAlignedRect().adjusted(1, 1, -1, -1).intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += picture.pixelColor(x, y) == fill;
    return count;
}

} // namespace

class TestFrmStats : public QObject {
    Q_OBJECT

private slots:
    void loadShowsThisMonthsTotalRevenueAsBars();
    void daysOfTheMonth_data();
    void daysOfTheMonth();
    void monthWithGapsOnBothEngines_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void monthWithGapsOnBothEngines();
    void decorationsFollowTheFigure_data();
    void decorationsFollowTheFigure();
    void labelsReadableAtDesignSize_data();
    void labelsReadableAtDesignSize();
    void bookingsShowOnTodaysBar();
    void titlesChangeThroughTheInputBox();
    void coloursChangeThroughTheColourDialog();
    void toolTipsNameThePart();
    void savesTheChartAsABitmap();
    void colourParts();
    void smallWindowNeverSizesNegative();
    void readableAtEverySizeTheWindowAllows_data();
    void readableAtEverySizeTheWindowAllows();
    void openedByNameFromTheMainWindow();

private:
    QImage accessPicture_;
};

void TestFrmStats::loadShowsThisMonthsTotalRevenueAsBars()
{
    testsupport::CoreFixture fx;
    frmStats &frm = openStats();
    const QDate today = vb::Today().toQDate();
    QCOMPARE(frm.Caption(), QStringLiteral("Report View"));
    QCOMPARE(frm.CMonth->currentIndex(), today.month() - 1);
    QCOMPARE(frm.monthNumber(), today.month());
    QCOMPARE(frm.CYear->count(), 10);
    QCOMPARE(frm.CYear->itemText(0).toInt(), today.year() - 4);
    QCOMPARE(frm.CYear->currentText().toInt(), today.year());
    QCOMPARE(frm.StatView->currentText(), QStringLiteral("Total Revenue"));
    QCOMPARE(frm.ComboChartType->currentText(), QStringLiteral("2d Bar"));
    QCOMPARE(frm.ComboChartType->count(), 12);
    QCOMPARE(frm.MSChart1->chartType(), int(controls::Chart2dBar));
    QCOMPARE(frm.MSChart1->rowCount(), today.daysInMonth());
    QCOMPARE(frm.MSChart1->rowLabel(today.daysInMonth()), QString::number(today.daysInMonth()));
    // Every decoration is off: the fill cleared the designed titles.
    QVERIFY(frm.MSChart1->title().isEmpty());
    QVERIFY(frm.MSChart1->axisTitle(ChartAxis::X).isEmpty());
    QVERIFY(!frm.MSChart1->isLegendVisible());
    ui::Forms::Unload<frmStats>();
}

void TestFrmStats::daysOfTheMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("leap");
    QTest::addColumn<int>("days");
    QTest::newRow("February, leap year") << 2 << true << 29;
    QTest::newRow("February") << 2 << false << 28;
    QTest::newRow("April") << 4 << false << 30;
    QTest::newRow("December") << 12 << true << 31;
}

void TestFrmStats::daysOfTheMonth()
{
    QFETCH(int, month);
    QFETCH(bool, leap);
    QFETCH(int, days);
    testsupport::CoreFixture fx;
    frmStats &frm = openStats();
    const QString year = listedYear(frm, leap);
    choose(frm, month, year);
    QCOMPARE(frmStats::LastDay(year.toInt(), month), days);
    QCOMPARE(frm.MSChart1->rowCount(), days);
    QCOMPARE(frm.MSChart1->rowLabel(days), QString::number(days));
    QCOMPARE(core::State().mLastSQL,
             QStringLiteral("SELECT tRevenue,tBookingRevenue,tFoodDrinkRevenue,tBookings,tFoodOrders  FROM "
                            "tbl_revenueStats WHERE tDate=#%1-%2-%3#")
                 .arg(year)
                 .arg(month, 2, 10, QLatin1Char('0'))
                 .arg(days));
    ui::Forms::Unload<frmStats>();
}

// Rows on the 1st, the 15th and the 29th of a leap February, none between: the days without a
// row show 0 (not the day before's figure), each figure reads its own column, and the same
// data draws the same picture on both engines.
void TestFrmStats::monthWithGapsOnBothEngines()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    frmStats &frm = openStats();
    const QString year = listedYear(frm, true);
    seedDay(fx, year, 2, 1, "100.25", "20", 2, 1);
    seedDay(fx, year, 2, 15, "1250.5", "0", 5, 0);
    seedDay(fx, year, 2, 29, "0", "75.75", 0, 3);
    seedDay(fx, year, 3, 1, "999", "999", 9, 9);   // the next month stays out
    choose(frm, 2, year);

    QList<double> expected(29, 0.0);
    expected[0] = 120.25;
    expected[14] = 1250.5;
    expected[28] = 75.75;
    QCOMPARE(chartValues(frm), expected);
    QCOMPARE(frm.figureKind(), 1);

    frm.StatView->setCurrentIndex(2);   // food and drink revenue
    expected.fill(0.0);
    expected[0] = 20;
    expected[28] = 75.75;
    QCOMPARE(chartValues(frm), expected);

    frm.StatView->setCurrentIndex(3);   // room bookings
    expected.fill(0.0);
    expected[0] = 2;
    expected[14] = 5;
    QCOMPARE(chartValues(frm), expected);
    QCOMPARE(frm.figureKind(), 2);

    frm.StatView->setCurrentIndex(4);   // food and drink orders
    expected.fill(0.0);
    expected[0] = 1;
    expected[28] = 3;
    QCOMPARE(chartValues(frm), expected);

    frm.StatView->setCurrentIndex(0);
    frm.Check5->setChecked(true);
    const QImage picture = frm.MSChart1->picture();
    QVERIFY(!picture.isNull());
    if (engine == QLatin1String("access"))
        accessPicture_ = picture;
    else if (!accessPicture_.isNull())
        QVERIFY2(picture == accessPicture_, "the engines draw different pictures of the same data");
    ui::Forms::Unload<frmStats>();
}

void TestFrmStats::decorationsFollowTheFigure_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("yTitle");
    QTest::addColumn<QString>("label");
    QTest::newRow("Total Revenue") << 0 << "Revenue" << "Currency" << "$1,250.50";
    QTest::newRow("Food & Drink Revenue") << 2 << "Revenue" << "Currency" << "$0.00";
    QTest::newRow("Room Bookings") << 3 << "Rooms Count" << "Bookings" << "5";
    QTest::newRow("Food & Drink Orders") << 4 << "Orders Count" << "Food & Drink Orders" << "0";
}

void TestFrmStats::decorationsFollowTheFigure()
{
    QFETCH(int, figure);
    QFETCH(QString, legend);
    QFETCH(QString, yTitle);
    QFETCH(QString, label);
    testsupport::CoreFixture fx;
    QString year;
    frmStats &frm = openJune(fx, 15, "1250.5", 5, &year);
    frm.StatView->setCurrentIndex(figure);
    for (QCheckBox *box : {frm.Check1, frm.Check2, frm.Check3, frm.Check4, frm.Check5})
        box->setChecked(true);

    QCOMPARE(frm.MSChart1->title(), frm.StatView->currentText() + " for June " + year);
    QCOMPARE(frm.MSChart1->seriesLabel(), legend);
    QVERIFY(frm.MSChart1->isLegendVisible());
    QCOMPARE(frm.MSChart1->axisTitle(ChartAxis::Y), yTitle);
    QCOMPARE(frm.MSChart1->axisTitle(ChartAxis::X), "Dates of Month June " + year);
    QVERIFY(frm.MSChart1->valueLabelsVisible());
    QCOMPARE(frm.MSChart1->valueLabelText(15), label);

    // Choosing another month keeps the boxes and rewrites the texts.
    frm.CMonth->setCurrentIndex(3);
    QCOMPARE(frm.MSChart1->title(), frm.StatView->currentText() + " for April " + year);
    QCOMPARE(frm.MSChart1->axisTitle(ChartAxis::X), "Dates of Month April " + year);

    for (QCheckBox *box : {frm.Check1, frm.Check2, frm.Check3, frm.Check4, frm.Check5})
        box->setChecked(false);
    QVERIFY(frm.MSChart1->title().isEmpty());
    QVERIFY(!frm.MSChart1->isLegendVisible());
    QVERIFY(frm.MSChart1->axisTitle(ChartAxis::Y).isEmpty());
    QVERIFY(frm.MSChart1->axisTitle(ChartAxis::X).isEmpty());
    QVERIFY(!frm.MSChart1->valueLabelsVisible());
    ui::Forms::Unload<frmStats>();
}

void TestFrmStats::labelsReadableAtDesignSize_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("figure");
    QTest::addColumn<int>("chartType");
    QTest::newRow("January, revenue, 2d bars") << 1 << 0 << 1;
    QTest::newRow("January, revenue, 3d bars") << 1 << 0 << 8;
    QTest::newRow("January, revenue, 2d area") << 1 << 0 << 0;
    QTest::newRow("January, bookings, 2d bars") << 1 << 3 << 1;
    QTest::newRow("January, orders, 2d XY") << 1 << 4 << 6;
    QTest::newRow("April, orders, 2d line") << 4 << 4 << 3;
    QTest::newRow("January, revenue, 2d pie") << 1 << 0 << 4;
}

// At the window's designed size with every decoration on: every day number shows, whole and
// apart from its neighbours; counts step by whole numbers; value labels (a pie's slice labels,
// which name their day) stand apart, inside the chart, never on the series' fill.
void TestFrmStats::labelsReadableAtDesignSize()
{
    QFETCH(int, month);
    QFETCH(int, figure);
    QFETCH(int, chartType);
    testsupport::CoreFixture fx;
    frmStats &frm = openStats();
    const QString year = frm.CYear->currentText();
    const int days = frmStats::LastDay(year.toInt(), month);
    for (int day = 1; day <= days; ++day)
        seedDay(fx, year, month, day, QString::number(150 + (day * 137) % 900), "0.75", day % 5 + 1, day % 3);
    for (QCheckBox *box : {frm.Check1, frm.Check2, frm.Check3, frm.Check4, frm.Check5})
        box->setChecked(true);
    frm.StatView->setCurrentIndex(figure);
    frm.ComboChartType->setCurrentIndex(chartType);
    choose(frm, month, year);
    controls::Chart &chart = *frm.MSChart1;
    const QImage picture = chart.picture();
    const QRectF whole = chart.rect();

    QList<QRectF> valueBoxes;
    if (chartType == 4) {
        for (int day = 1; day <= days; ++day) {
            QCOMPARE(chart.sliceLabelText(day), QString::number(day) + ": " + chart.valueLabelText(day));
            valueBoxes << chart.partRect({ChartPart::PointLabel, ChartAxis::X, day});
            const ChartHit hit = chart.hitTest(valueBoxes.last().center().toPoint());
            QCOMPARE(int(hit.part), int(ChartPart::PointLabel));
            QCOMPARE(hit.row, day);
        }
    } else {
        const auto dayLabels = axisLabels(frm, ChartAxis::X);
        QStringList expected;
        for (int day = 1; day <= days; ++day)
            expected << QString::number(day);
        QStringList shown;
        for (const auto &[text, box] : dayLabels)
            shown << text;
        QCOMPARE(shown, expected);
        for (qsizetype i = 1; i < dayLabels.size(); ++i)
            QVERIFY2(dayLabels[i - 1].second.right() <= dayLabels[i].second.left() + 0.5, qPrintable(shown[i]));
        auto *xAxis = chart.qchart()->axes(Qt::Horizontal).value(chartType == 6 ? 1 : 0);
        QVERIFY(xAxis && xAxis->isVisible() && !xAxis->labelsTruncated());

        if (figure >= 3) {
            QStringList steps;
            for (const auto &[text, box] : axisLabels(frm, ChartAxis::Y)) {
                bool whole = false;
                text.toInt(&whole);
                QVERIFY2(whole, qPrintable(text));
                steps << text;
            }
            QVERIFY(steps.size() >= 3);
            QCOMPARE(QSet<QString>(steps.begin(), steps.end()).size(), steps.size());
        }
        for (int day = 1; day <= days; ++day) {
            valueBoxes << chart.partRect({ChartPart::PointLabel, ChartAxis::X, day});
            QCOMPARE(fillPixelsIn(picture, valueBoxes.last(), chart.seriesColor()), 0);
        }
    }
    for (qsizetype i = 0; i < valueBoxes.size(); ++i) {
        QVERIFY2(whole.contains(valueBoxes[i]), qPrintable(QString::number(i + 1)));
        for (qsizetype j = i + 1; j < valueBoxes.size(); ++j) {
            QVERIFY2(!valueBoxes[i].adjusted(0.5, 0.5, -0.5, -0.5).intersects(valueBoxes[j]),
                     qPrintable(QStringLiteral("days %1 and %2").arg(i + 1).arg(j + 1)));
        }
    }
    ui::Forms::Unload<frmStats>();
}

// Two bookings made through the booking window show on today's bar: their grand totals and
// their count.
void TestFrmStats::bookingsShowOnTodaysBar()
{
    using namespace bookingtesting;
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "50.5");
    logIn();
    frontdesk::frmBooking &booking = openBooking(fx);
    fillGuest(booking, "Maeve", "O'Brien");
    stayDays(booking, 2);
    bookRooms(booking, {"101"});
    booking.Command5_Click();
    fillGuest(booking, "Ann", "Lee");
    stayDays(booking, 1);
    bookRooms(booking, {"102"});
    booking.Command5_Click();
    ui::Forms::Unload<frontdesk::frmBooking>();

    frmStats &frm = openStats();
    const int today = vb::Today().toQDate().day();
    QCOMPARE(frm.MSChart1->data(today), 250.5);
    frm.StatView->setCurrentIndex(3);
    QCOMPARE(frm.MSChart1->data(today), 2.0);
    ui::Forms::Unload<frmStats>();
}

void TestFrmStats::titlesChangeThroughTheInputBox()
{
    testsupport::CoreFixture fx;
    frmStats &frm = openStats();
    frm.Check1->setChecked(true);
    frm.Check4->setChecked(true);
    const QString title = frm.MSChart1->title();

    fx.dialogs().reply(ui::Reply::text("Spring takings"));
    doubleClick(frm, {ChartPart::Title, ChartAxis::X, 0});
    auto box = fx.dialogs().last();
    QCOMPARE(box.kind, ui::DialogKind::InputBox);
    QCOMPARE(box.title, QStringLiteral("Title Text"));
    QCOMPARE(box.text, QStringLiteral("Change text to any"));
    QCOMPARE(box.defaultText, title);
    QCOMPARE(frm.MSChart1->title(), QStringLiteral("Spring takings"));

    // An empty answer leaves the title.
    fx.dialogs().reply(ui::Reply::text(""));
    doubleClick(frm, {ChartPart::Title, ChartAxis::X, 0});
    QCOMPARE(frm.MSChart1->title(), QStringLiteral("Spring takings"));

    const QString xTitle = frm.MSChart1->axisTitle(ChartAxis::X);
    fx.dialogs().reply(ui::Reply::text("Days"));
    doubleClick(frm, {ChartPart::AxisTitle, ChartAxis::X, 0});
    box = fx.dialogs().last();
    QCOMPARE(box.title, QStringLiteral("X-Axis"));
    QCOMPARE(box.defaultText, xTitle);
    QCOMPARE(frm.MSChart1->axisTitle(ChartAxis::X), QStringLiteral("Days"));
    ui::Forms::Unload<frmStats>();
}

void TestFrmStats::coloursChangeThroughTheColourDialog()
{
    testsupport::CoreFixture fx;
    frmStats &frm = openJune(fx, 10, "500", 1);
    frm.Check3->setChecked(true);

    // The Y axis title opens its input box, not a colour dialog.
    fx.dialogs().reply(ui::Reply::cancel());
    doubleClick(frm, {ChartPart::AxisTitle, ChartAxis::Y, 0});
    QCOMPARE(fx.dialogs().last().kind, ui::DialogKind::InputBox);
    QCOMPARE(fx.dialogs().last().title, QStringLiteral("Y-Axis"));

    const QColor series = frm.MSChart1->seriesColor();
    fx.dialogs().reply(ui::Reply::color(QColor(250, 240, 200)));
    doubleClick(frm, {ChartPart::Plot, ChartAxis::X, 0});
    QCOMPARE(fx.dialogs().last().kind, ui::DialogKind::Color);
    QCOMPARE(frm.MSChart1->plotColor(), QColor(250, 240, 200));
    QCOMPARE(frm.MSChart1->seriesColor(), series);

    // The dialog opens with the colour of its last use; cancelling changes nothing.
    doubleClick(frm, {ChartPart::Point, ChartAxis::X, 10});
    QCOMPARE(fx.dialogs().last().kind, ui::DialogKind::Color);
    QCOMPARE(fx.dialogs().last().color, QColor(250, 240, 200));
    QCOMPARE(frm.MSChart1->seriesColor(), series);
    QCOMPARE(frm.MSChart1->plotColor(), QColor(250, 240, 200));

    fx.dialogs().reply(ui::Reply::color(QColor(200, 30, 40)));
    doubleClick(frm, {ChartPart::Point, ChartAxis::X, 10});
    QCOMPARE(frm.MSChart1->seriesColor(), QColor(200, 30, 40));
    QCOMPARE(frm.MSChart1->plotColor(), QColor(250, 240, 200));
    ui::Forms::Unload<frmStats>();
}

void TestFrmStats::toolTipsNameThePart()
{
    testsupport::CoreFixture fx;
    frmStats &frm = openJune(fx, 10, "1234.5", 1);
    frm.Check1->setChecked(true);
    frm.Check2->setChecked(true);
    frm.Check3->setChecked(true);
    auto centre = [&](const ChartHit &part) { return frm.MSChart1->partRect(part).center().toPoint(); };

    QCOMPARE(hoverTip(frm, centre({ChartPart::Point, ChartAxis::X, 10})), QStringLiteral("Value := 1234.50"));
    QCOMPARE(hoverTip(frm, centre({ChartPart::Title, ChartAxis::X, 0})), QStringLiteral("Chart Title"));
    QCOMPARE(hoverTip(frm, centre({ChartPart::Legend, ChartAxis::X, 0})), QStringLiteral("Legend"));
    QCOMPARE(hoverTip(frm, centre({ChartPart::AxisTitle, ChartAxis::Y, 0})), QStringLiteral("Axis Title"));
    const QRectF plot = frm.MSChart1->partRect({ChartPart::Plot, ChartAxis::X, 0});
    QCOMPARE(hoverTip(frm, (plot.topLeft() + QPointF(10, 10)).toPoint()), QStringLiteral("Plot Area"));
    QCOMPARE(hoverTip(frm, QPoint(3, 3)), QStringLiteral("Chart Area"));
    ui::Forms::Unload<frmStats>();
}

// The picture goes into the file as a bitmap whatever the extension, and onto the clipboard;
// a cancelled dialog writes nothing.
void TestFrmStats::savesTheChartAsABitmap()
{
    testsupport::CoreFixture fx;
    frmStats &frm = openStats();
    const QString path = fx.programFolder() + "/june.jpg";

    fx.dialogs().reply(ui::Reply::cancel());
    frm.Command1->click();
    QVERIFY(!QFile::exists(path));
    const auto dialog = fx.dialogs().last();
    QCOMPARE(dialog.kind, ui::DialogKind::SaveFile);
    QCOMPARE(dialog.title, QStringLiteral("Save Chart As"));
    QVERIFY(dialog.file.overwritePrompt);
    QCOMPARE(dialog.file.filter,
             QStringLiteral("JPG - Joint Photographic Experts Group|*.jpg|BMP - Windows Bitmap|*.bmp|GIF - Graphics "
                            "Interchange Format|*.gif|DIB - Device Independent Bitmap|*.dib|WMF - Windows "
                            "MetaFile|*.wmf|EMF - Enhanced MetaFile|*.emf|"));

    fx.dialogs().reply(ui::Reply::file(path));
    frm.Command1->click();
    QVERIFY(QFile::exists(path));
    QProcess reader;
    reader.start("/usr/bin/python3", {"-c", "import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1])\n"
                                            "im.load()\nprint(im.format, im.size[0], im.size[1])",
                                      path});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(),
             QStringLiteral("BMP %1 %2").arg(frm.MSChart1->width()).arg(frm.MSChart1->height()));
    QCOMPARE(frm.picGraph->size(), frm.MSChart1->size());
    ui::Forms::Unload<frmStats>();
}

// The colour parts split as the dialog's colour values do: red in the low byte.
void TestFrmStats::colourParts()
{
    const int colour = 0x00C08040;   // blue C0, green 80, red 40
    QCOMPARE(frmStats::ColourRed(colour), 0x40);
    QCOMPARE(frmStats::ColourGreen(colour), 0x80);
    QCOMPARE(frmStats::ColourBlue(colour), 0xC0);
}

void TestFrmStats::smallWindowNeverSizesNegative()
{
    testsupport::CoreFixture fx;
    frmStats &frm = openStats();
    const int band = frm.CoolBar1->height();
    QVERIFY(frm.MSChart1->y() >= band);
    QCOMPARE(frm.MSChart1->height(), frm.height() - band);
    QCOMPARE(frm.MSChart1->width(), frm.width() - ui::TwipsToPixelsX(200));
    frm.Move(0, 0, 1200, 600);
    QVERIFY(frm.MSChart1->width() >= 0);
    QVERIFY(frm.MSChart1->height() >= 0);
    ui::Forms::Unload<frmStats>();
}

void TestFrmStats::readableAtEverySizeTheWindowAllows_data()
{
    QTest::addColumn<int>("width");   // twips; the window allows no less than it asks for
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("chartType");
    QTest::newRow("tiled beside two others, bars") << 6390 << 13000 << 1;
    QTest::newRow("tiled beside two others, XY") << 6390 << 13000 << 6;
    QTest::newRow("as small as it goes, bars") << 15 << 15 << 1;
    QTest::newRow("as small as it goes, 3d bars") << 15 << 15 << 8;
}

// December with the longest figure and every decoration on, at a tiled window's size and at
// the smallest the window allows: every choice of the band shows whole, and so do the chart's
// title, axis titles, legend and day labels (every day, or evenly spaced ones from the 1st).
void TestFrmStats::readableAtEverySizeTheWindowAllows()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, chartType);
    testsupport::CoreFixture fx;
    frmStats &frm = openStats();
    for (QCheckBox *box : {frm.Check1, frm.Check2, frm.Check3, frm.Check4, frm.Check5})
        box->setChecked(true);
    frm.StatView->setCurrentIndex(1);   // "Room Booking Revenue"
    frm.ComboChartType->setCurrentIndex(chartType);
    choose(frm, 12, frm.CYear->currentText());
    frm.Move(0, 0, width, height);
    QCoreApplication::processEvents();
    controls::Chart &chart = *frm.MSChart1;
    chart.picture();   // laid out and fitted

    QVERIFY2(frm.MSChart1->y() >= frm.CoolBar1->geometry().bottom(), "the chart covers the band");
    QList<QRect> taken;
    for (QWidget *choice : frm.CoolBar1->findChildren<QWidget *>()) {
        if (choice->objectName().isEmpty() || !choice->isVisible())
            continue;
        const QRect r(choice->mapTo(frm.CoolBar1, QPoint()), choice->size());
        QVERIFY2(choice->width() >= choice->sizeHint().width(), qPrintable(choice->objectName() + " is cut"));
        QVERIFY2(frm.CoolBar1->rect().contains(r), qPrintable(choice->objectName() + " is outside the band"));
        for (const QRect &other : std::as_const(taken))
            QVERIFY2(!other.intersects(r), qPrintable(choice->objectName() + " overlaps"));
        taken << r;
    }

    QStringList shownTexts;
    for (QGraphicsItem *item : chart.qchart()->scene()->items()) {
        if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item); text && text->isVisible())
            shownTexts << text->toPlainText();
    }
    for (const QString &whole : {chart.title(), chart.axisTitle(ChartAxis::X), chart.axisTitle(ChartAxis::Y),
                                 chart.seriesLabel()})
        QVERIFY2(shownTexts.contains(whole), qPrintable(whole + " is cut: " + shownTexts.join(" | ")));

    auto *xAxis = chart.qchart()->axes(Qt::Horizontal).value(chartType == 6 ? 1 : 0);
    QVERIFY(xAxis && xAxis->isVisible() && !xAxis->labelsTruncated());
    QList<std::pair<QString, QRectF>> days;
    for (const auto &label : axisLabels(frm, ChartAxis::X)) {
        if (!label.first.trimmed().isEmpty() && label.first != QString(label.first.size(), QChar(0x200B)))
            days << label;
    }
    QVERIFY(days.size() >= 4);
    const int step = days[1].first.toInt() - days[0].first.toInt();
    QCOMPARE(days[0].first, QStringLiteral("1"));
    for (qsizetype i = 0; i < days.size(); ++i) {
        QCOMPARE(days[i].first, QString::number(1 + i * step));
        if (i > 0)
            QVERIFY2(days[i - 1].second.right() <= days[i].second.left() + 0.5, qPrintable(days[i].first));
    }
    QVERIFY2(31 - days.last().first.toInt() <= step, qPrintable(days.last().first));
    QVERIFY(testsupport::SaveScreenshot(frm, QStringLiteral("frmStats-%1x%2-type%3").arg(frm.width()).arg(frm.height()).arg(chartType), true));
    ui::Forms::Unload<frmStats>();
}

void TestFrmStats::openedByNameFromTheMainWindow()
{
    testsupport::CoreFixture fx;
    backoffice::RegisterBackOfficeWindows();
    QVERIFY(core::ShowWindow(QStringLiteral("frmStats"), ui::vbModeless));
    QVERIFY(ui::Forms::IsLoaded<frmStats>());
    ui::Forms::Unload<frmStats>();
}

QTEST_MAIN(TestFrmStats)
#include "tst_frmstats.moc"
