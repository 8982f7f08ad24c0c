// The revenue report as the user sees it inside a main window: the band's controls inside the
// band and readable, and a screenshot of the window with every chart type, in the build
// folder for a look.
#include "backoffice/frmstats.h"
#include "support/corefixture.h"
#include "ui/forms.h"
#include "vb/datetime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QtTest>

using backoffice::frmStats;

class TestStatsScreens : public QObject {
    Q_OBJECT

private slots:
    void everyChartType();
};

void TestStatsScreens::everyChartType()
{
    testsupport::CoreFixture fx;
    const QDate today = vb::Today().toQDate();
    const QDate first(today.year(), today.month(), 1);
    for (int day = 1; day <= first.daysInMonth(); day += (day % 4) + 1) {
        fx.exec(QStringLiteral("INSERT INTO tbl_revenueStats (tDate, tRevenue, tBookingRevenue, tBookings) "
                               "VALUES (#%1/%2/%3#, %4, %4, %5)")
                    .arg(today.month())
                    .arg(day)
                    .arg(today.year())
                    .arg(150 + (day * 137) % 900)
                    .arg(day % 5 + 1));
    }
    const QString folder = QStringLiteral(HOTEL_SCREENS_DIR);
    QDir().mkpath(folder);

    QMainWindow main;
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(1000, 720);
    ui::SetMdiArea(area);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    auto &frm = ui::Forms::Get<frmStats>();
    frm.Show(ui::vbModeless);
    frm.Move(0, 0, 14000, 9600);
    for (QCheckBox *box : {frm.Check1, frm.Check2, frm.Check3, frm.Check4, frm.Check5})
        box->setChecked(true);
    QTest::qWait(50);

    for (QWidget *control : frm.CoolBar1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(frm.CoolBar1->rect().contains(control->geometry()), qPrintable(control->objectName()));
        QVERIFY2(control->width() >= control->sizeHint().width(), qPrintable(control->objectName()));
    }
    QVERIFY(frm.rect().contains(frm.MSChart1->geometry()));

    for (int index = 0; index < frm.ComboChartType->count(); ++index) {
        frm.ComboChartType->setCurrentIndex(index);
        QTest::qWait(20);
        const QString name = frm.ComboChartType->currentText().replace(' ', '-');
        QVERIFY(main.grab().save(folder + "/frmStats-" + name + ".png"));
    }
    ui::Forms::Unload<frmStats>();
    ui::SetMdiArea(nullptr);
}

QTEST_MAIN(TestStatsScreens)
#include "tst_statsscreens.moc"
