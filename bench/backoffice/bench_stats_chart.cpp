// A month's revenue chart: the 31 days read from the database and the chart drawn into a
// picture, in every chart type; against the floor of taking the picture of an empty window
// of the chart's size. Prints the medians and their ratio (the goal is under 200 ms a month).
#include "backoffice/stats/frmstats.h"
#include "benchenvironment.h"
#include "support/corefixture.h"
#include "ui/forms.h"

#include <QApplication>
#include <QComboBox>
#include <cstdio>

int main(int argc, char **argv)
{
    bench::WindowBenchmark benchmark(argc, argv);

    testsupport::CoreFixture fx;
    auto &frm = ui::Forms::Get<backoffice::frmStats>();
    frm.Show(ui::vbModeless);
    frm.Move(0, 0, 14000, 9600);
    frm.CMonth->setCurrentIndex(0);   // January: 31 days
    const QString year = frm.CYear->currentText();
    for (int day = 1; day <= 31; day += 2) {
        fx.exec(QStringLiteral("INSERT INTO tbl_revenueStats (tDate, tRevenue, tBookingRevenue, tBookings) "
                               "VALUES (#1/%1/%2#, %3, %3, 2)")
                    .arg(day)
                    .arg(year)
                    .arg(100 + day * 37));
    }
    QApplication::processEvents();

    constexpr int Runs = 15;
    QWidget empty;
    empty.resize(frm.MSChart1->size());
    empty.show();
    QApplication::processEvents();
    const double floor = bench::MedianMillis(Runs, [&] { (void)empty.grab().toImage(); });
    std::printf("floor: picture of an empty %dx%d window: %.2f ms\n", empty.width(), empty.height(), floor);

    for (int type = 0; type < frm.ComboChartType->count(); ++type) {
        frm.ComboChartType->setCurrentIndex(type);
        const double month = bench::MedianMillis(Runs, [&] {
            frm.ChartRowDaysCount();
            (void)frm.MSChart1->picture();
        });
        std::printf("%-15s month read and drawn: %7.2f ms, ratio to the floor %5.1f (goal: under 200 ms)\n",
                    qPrintable(frm.ComboChartType->currentText()), month, month / floor);
    }
    const double fill = bench::MedianMillis(Runs, [&] { frm.ChartRowDaysCount(); });
    std::printf("the month's 31 queries alone: %.2f ms\n", fill);
    return 0;
}
