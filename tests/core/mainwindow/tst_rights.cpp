// The rights rule of the main window, from a table: a user holding exactly one right (or
// none) triggers every guarded menu item, toolbar button and the tax editor; each opens its
// window exactly when it needs no right or that one right, and otherwise says why not.
#include "mainwindowtesting.h"

#include "core/mainwindow/load_frms.h"

#include <QAction>
#include <QtTest>

using core::State;
using namespace mainwindowtesting;

namespace {

enum class Right { None, Settings, RoomList, Tax, Reports, Customers };

const QString NoPrivilege = QStringLiteral("You do not have sufficient privileges to access this section. ");
const QString AdminOnly = QStringLiteral("Only user with Administrator privileges can view logs");

struct Guarded {
    const char *item;     // the menu item's or toolbar button's action
    Right needs;          // the one right it asks for
    const char *window;   // what it opens
    QString refusal;      // what it says without the right
};

const QList<Guarded> GuardedItems = {
    {"mnuBooking", Right::None, "frmBooking", NoPrivilege},
    {"mnuFoodOrder", Right::None, "frmFoodingBook", NoPrivilege},
    {"mnuCustomerList", Right::Customers, "frmCustomers", NoPrivilege},
    {"mnuRoomList", Right::RoomList, "frmRoomList", NoPrivilege},
    {"mnuCustomerHistoryList", Right::Customers, "frmCustomersHistory", NoPrivilege},
    {"mnuReport", Right::Reports, "frmStats", NoPrivilege},
    {"mnuAdministration", Right::Settings, "frmAdminArea", NoPrivilege},
    {"mnuLog", Right::Reports, "frmLog", AdminOnly},
    {"toolNewBooking", Right::None, "frmBooking", NoPrivilege},
    {"toolNewFoodOrder", Right::None, "frmFoodingBook", NoPrivilege},
    {"toolCustomerList", Right::Customers, "frmCustomers", NoPrivilege},
    {"toolRoomSchedule", Right::RoomList, "frmRoomList", NoPrivilege},
    {"toolStats", Right::Reports, "frmStats", NoPrivilege},
    {"toolLogView", Right::Reports, "frmLog", AdminOnly},
    {"toolAdmin", Right::Settings, "frmAdminArea", NoPrivilege},
    {"taxEditor", Right::Tax, "frmTax", NoPrivilege},
};

Rights only(Right right)
{
    Rights rights{0, 0, 0, 0, 0};
    switch (right) {
    case Right::None: break;
    case Right::Settings: rights.settings = 1; break;
    case Right::RoomList: rights.roomList = 1; break;
    case Right::Tax: rights.tax = 1; break;
    case Right::Reports: rights.reports = 1; break;
    case Right::Customers: rights.customers = 1; break;
    }
    return rights;
}

} // namespace

Q_DECLARE_METATYPE(Right)

class RightsTest : public QObject {
    Q_OBJECT

private slots:
    void eachItemOpensWithItsOwnRightOnly_data();
    void eachItemOpensWithItsOwnRightOnly();
};

void RightsTest::eachItemOpensWithItsOwnRightOnly_data()
{
    QTest::addColumn<Right>("granted");
    QTest::newRow("no right") << Right::None;
    QTest::newRow("settings") << Right::Settings;
    QTest::newRow("room list") << Right::RoomList;
    QTest::newRow("tax") << Right::Tax;
    QTest::newRow("reports") << Right::Reports;
    QTest::newRow("customers") << Right::Customers;
}

void RightsTest::eachItemOpensWithItsOwnRightOnly()
{
    QFETCH(Right, granted);
    testsupport::CoreFixture fx{QStringLiteral("access"), false};
    OpenedWindows windows;
    core::Main();
    AddUser(fx, QStringLiteral("clerk"), QStringLiteral("pw"), only(granted));
    TypeLogin(QStringLiteral("clerk"), QStringLiteral("pw"));
    QVERIFY(State().mLoggedIn);

    for (const Guarded &guarded : GuardedItems) {
        const QString item = QString::fromLatin1(guarded.item);
        fx.dialogs().clear();
        windows.opened.clear();
        auto *action = MainWindow().findChild<QAction *>(item);
        QVERIFY2(action, qPrintable(item));
        action->trigger();
        if (guarded.needs == Right::None || guarded.needs == granted) {
            QVERIFY2(windows.opened == QStringList{QString::fromLatin1(guarded.window)}, qPrintable(item));
            QVERIFY2(fx.dialogs().shown().isEmpty(), qPrintable(item));
        } else {
            QVERIFY2(windows.opened.isEmpty(), qPrintable(item));
            QVERIFY2(fx.dialogs().messages() == QStringList{guarded.refusal}, qPrintable(item));
            QCOMPARE(fx.dialogs().last().icon(), ui::vbInformation);
        }
        QVERIFY2(!ui::Forms::IsLoaded<core::frmLogInOut>(), qPrintable(item));
    }
}

QTEST_MAIN(RightsTest)
#include "tst_rights.moc"
