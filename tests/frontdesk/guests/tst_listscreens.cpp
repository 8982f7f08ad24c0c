// The list windows opened from the real main window: the rights rule for each of them, and
// the windows filled with guests as the clerk sees them (every control inside its parent,
// columns readable); screenshots land in the build folder for a look.
#include "liststesting.h"

#include "../../core/mainwindow/mainwindowtesting.h"
#include "core/mainwindow/load_frms.h"
#include "frontdesk/guests/frmcustomers.h"
#include "frontdesk/guests/frmcustomershistory.h"
#include "frontdesk/register.h"
#include "frontdesk/schedule/frmroomlist.h"

#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include "ui/twips.h"
#include <QMdiArea>
#include <QtTest>

using namespace liststesting;
using namespace mainwindowtesting;

class TestListScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { frontdesk::RegisterFrontDeskWindows(); }
    void rightsRuleOpensTheRealWindows_data();
    void rightsRuleOpensTheRealWindows();
    void filledWindows();
};

namespace {
QString screensFolder()
{
    const QString folder = QStringLiteral(HOTEL_SCREENS_DIR);
    QDir().mkpath(folder);
    return folder;
}

bool fullyInside(const QWidget *child)
{
    return child->parentWidget()->rect().contains(child->geometry());
}

// Every visible control of the window inside its parent, and no label cut short.
void checkControlsInside(const QWidget &window)
{
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (control->isHidden() || control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
            continue;
        QVERIFY2(fullyInside(control), qPrintable(window.objectName() + ": " + control->objectName()));
    }
    for (QLabel *label : window.findChildren<QLabel *>())
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    for (QLineEdit *box : window.findChildren<QLineEdit *>()) {
        if (!box->parentWidget()->inherits("QComboBox"))
            QVERIFY2(box->width() >= ui::TwipsToPixelsX(1500), qPrintable(box->objectName()));
    }
}

void startLoggedIn(testsupport::CoreFixture &fx, Rights rights)
{
    AddUser(fx, "clerk", "pw", rights);
    core::Main();
    TypeLogin("clerk", "pw");
    fx.dialogs().clear();
}
} // namespace

void TestListScreens::rightsRuleOpensTheRealWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("customers");
    QTest::addColumn<int>("roomList");
    QTest::newRow("guest list, right") << "frmCustomers" << 1 << 0;
    QTest::newRow("guest list, no right") << "frmCustomers" << 0 << 1;
    QTest::newRow("former guests, right") << "frmCustomersHistory" << 1 << 0;
    QTest::newRow("former guests, no right") << "frmCustomersHistory" << 0 << 1;
    QTest::newRow("schedule, right") << "frmRoomList" << 0 << 1;
    QTest::newRow("schedule, no right") << "frmRoomList" << 1 << 0;
}

void TestListScreens::rightsRuleOpensTheRealWindows()
{
    QFETCH(QString, window);
    QFETCH(int, customers);
    QFETCH(int, roomList);
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    startLoggedIn(fx, {.roomList = roomList, .customers = customers});
    core::mainFrm &main = MainWindow();
    if (window == "frmCustomers")
        main.mnuCustomerList_Click();
    else if (window == "frmCustomersHistory")
        main.mnuCustomerHistoryList_Click();
    else
        main.mnuRoomList_Click();
    const bool allowed = window == "frmRoomList" ? roomList == 1 : customers == 1;
    ui::Form *opened = ui::Forms::Find(window);
    if (!allowed) {
        QVERIFY(!opened);
        QCOMPARE(fx.dialogs().messages(),
                 QStringList{"You do not have sufficient privileges to access this section. "});
        return;
    }
    QVERIFY(opened);
    QVERIFY(qobject_cast<frontdesk::CustomerListWindow *>(opened) || qobject_cast<frontdesk::frmRoomList *>(opened));
    QVERIFY(opened->isVisible());
    QCOMPARE(ChildWindows().size(), 1);
    QVERIFY(fx.dialogs().messages().isEmpty());
}

void TestListScreens::filledWindows()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    bookingtesting::addRoom(fx, "101", "120");
    bookingtesting::addRoom(fx, "102", "85.5");
    startLoggedIn(fx, {});
    MainWindow().resize(1100, 760);
    bookGuests(fx, {{.title = "Mr.", .first = "Jürgen", .last = "Müller", .status = "Checked In", .days = 3},
                    {.title = "Mrs.", .first = "Cora", .last = "O'Neil", .status = "Confirmed", .rooms = {"101", "102"}},
                    {.title = "Dr.", .first = "Ann", .last = "Lee", .status = "Checked Out", .days = 2},
                    {.title = "Miss.", .first = "Eve", .last = "Ray", .status = "Not Confirmed", .rooms = {"102"}}});
    fx.exec("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers WHERE cFirstName = 'Ann'");

    const QList<QPair<QString, std::function<void()>>> windows = {
        {"frmCustomers", [] { MainWindow().mnuCustomerList_Click(); }},
        {"frmCustomersHistory", [] { MainWindow().mnuCustomerHistoryList_Click(); }},
        {"frmRoomList", [] { MainWindow().mnuRoomList_Click(); }},
    };
    for (const auto &[name, open] : windows) {
        open();
        ui::Form *frm = ui::Forms::Find(name);
        QVERIFY2(frm, qPrintable(name));
        QTest::qWait(50);
        checkControlsInside(*frm);
        auto *list = frm->findChild<controls::ReportList *>();
        QVERIFY(list->count() >= 1);
        list->setListIndex(1);
        // Each column at least as wide as its header's text.
        for (int c = 0; c < list->columnHeaderCount(); ++c) {
            if (list->isColumnHidden(c))
                continue;
            const int needed = list->horizontalHeader()->fontMetrics().horizontalAdvance(list->columnCaption(c + 1));
            QVERIFY2(list->columnWidth(c) >= needed, qPrintable(name + ": " + list->columnCaption(c + 1)));
        }
        QTest::qWait(50);
        QVERIFY(MainWindow().grab().save(screensFolder() + "/" + name + ".png"));
        frm->Unload(ui::vbFormCode);
    }
}

QTEST_MAIN(TestListScreens)
#include "tst_listscreens.moc"
