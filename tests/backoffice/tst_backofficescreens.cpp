// The back office windows as the user sees them inside a main window, with data: the controls
// inside their parents and readable; screenshots of the tax editor, the log viewer and the
// revenue report with every chart type land in the build folder for a look.
#include "backoffice/log/frmlog.h"
#include "backoffice/stats/frmstats.h"
#include "backoffice/tax/frmtax.h"
#include "controls/reportlist.h"
#include "core/aids/scrollbar.h"
#include "support/corefixture.h"
#include "ui/forms.h"
#include "vb/datetime.h"

#include "support/screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>

using backoffice::frmLog;
using backoffice::frmStats;
using backoffice::frmTax;

namespace {

// Every visible control of a window inside its parent, and labels and buttons not cut short.
void checkControls(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isHidden() || !control->parentWidget() || control->objectName().isEmpty()
            || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(testsupport::FullyInside(control), qPrintable(control->objectName()));
        if (qobject_cast<QLabel *>(control) || qobject_cast<QPushButton *>(control))
            QVERIFY2(control->width() >= control->sizeHint().width(), qPrintable(control->objectName()));
    }
}

} // namespace

class TestBackOfficeScreens : public QObject {
    Q_OBJECT

private slots:
    void taxEditor();
    void logViewer();
    void everyChartType();
};

void TestBackOfficeScreens::taxEditor()
{
    testsupport::CoreFixture fx;
    for (const char *tax : {"('Service Charge', 10, 1)", "('City''s Tourism Tax', 2.5, 1)", "('Sales Tax', 12.5, 2)"})
        fx.exec(QStringLiteral("INSERT INTO tbl_Tax (TaxName, TaxRate, TaxCat) VALUES ") + QLatin1String(tax));
    testsupport::ScreenMainWindow window;
    QVERIFY(window.exposed);
    auto &frm = ui::Forms::Get<frmTax>();
    frm.Show(ui::vbModeless);
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    frm.ListView1->setListIndex(2);
    QTest::qWait(50);
    checkControls(&frm);
    QVERIFY(testsupport::ScreenImage(window.main).save(testsupport::ScreensFolder() + "/frmTax.png"));
    QVERIFY(frm.grab().save(testsupport::ScreensFolder() + "/frmTax-window.png"));
    frm.SSTab1->setCurrentIndex(1);
    QTest::qWait(20);
    QVERIFY(frm.grab().save(testsupport::ScreensFolder() + "/frmTax-food.png"));
    ui::Forms::Unload<frmTax>();
}

void TestBackOfficeScreens::logViewer()
{
    testsupport::CoreFixture fx;
    const QStringList rows{"'User Logged in : admin', 'admin', 'LoginLogout', #3/14/2026 9:02:00#",
                           "'New Booking of Customer : Maeve OBrien', 'admin', 'Bookings', #3/14/2026 9:15:00#",
                           "'Added Room -101', 'admin', 'RoomAddedRemove', #3/14/2026 11:40:00#",
                           "'New Account Created with User Name : clerk', 'admin', 'UserAddRemove', #3/14/2026 15:05:00#",
                           "'Database Settings Modified (Use SQL : No)', 'admin', 'DBChanges', #3/14/2026 17:30:00#",
                           "'User Logged Out : admin', 'admin', 'LoginLogout', #3/14/2026 18:00:00#"};
    for (const QString &row : rows)
        fx.exec("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey, LogDateLine) VALUES (" + row + ")");
    testsupport::ScreenMainWindow window;
    QVERIFY(window.exposed);
    auto &frm = ui::Forms::Get<frmLog>();
    frm.Show(ui::vbModeless);
    frm.Move(0, 0, 11000, 6600);
    frm.logList->setListIndex(2);
    QTest::qWait(50);
    QVERIFY(frm.HBar->isHidden());
    checkControls(&frm);
    QVERIFY(window.main.grab().save(testsupport::ScreensFolder() + "/frmLog.png"));
    ui::Forms::Unload<frmLog>();
}

void TestBackOfficeScreens::everyChartType()
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
    const QString folder = testsupport::ScreensFolder();
    testsupport::ScreenMainWindow window;
    QMainWindow &main = window.main;
    QVERIFY(window.exposed);

    auto &frm = ui::Forms::Get<frmStats>();
    frm.Show(ui::vbModeless);
    frm.Move(0, 0, 14000, 9600);
    for (QCheckBox *box : {frm.Check1, frm.Check2, frm.Check3, frm.Check4, frm.Check5})
        box->setChecked(true);
    QTest::qWait(50);

    checkControls(&frm);

    for (int index = 0; index < frm.ComboChartType->count(); ++index) {
        frm.ComboChartType->setCurrentIndex(index);
        QTest::qWait(20);
        const QString name = frm.ComboChartType->currentText().replace(' ', '-');
        QVERIFY(main.grab().save(folder + "/frmStats-" + name + ".png"));
    }
    ui::Forms::Unload<frmStats>();
}

QTEST_MAIN(TestBackOfficeScreens)
#include "tst_backofficescreens.moc"
