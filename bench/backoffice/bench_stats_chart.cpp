// A month's revenue chart: the 31 days read from the database and the chart drawn into a
// picture, in every chart type. The work has no floor worth the name (what it draws is its
// own), so each median is printed against the goal: under 20 ms a month.
#include "backoffice/stats/frmstats.h"
#include "benchenvironment.h"
#include "schemacheck.h"
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
    bench::CheckSchemaAsTheProgramMakes(fx.databasePath(), {}, benchmark.scratch().path());

    constexpr int Runs = 15;
    for (int type = 0; type < frm.ComboChartType->count(); ++type) {
        frm.ComboChartType->setCurrentIndex(type);
        const double month = bench::MedianMillis(Runs, [&] {
            frm.ChartRowDaysCount();
            (void)frm.MSChart1->picture();
        });
        bench::FigureAgainstGoal(qPrintable(frm.ComboChartType->currentText() + QStringLiteral(": month read and drawn")),
                                 month, 20);
    }
    const double fill = bench::MedianMillis(Runs, [&] { frm.ChartRowDaysCount(); });
    std::printf("the month's 31 queries alone: %.2f ms\n", fill);
    return 0;
}
