// Windows of their own that are used under a right close when nobody holding it is logged in
// any more: opened through the program's own windows by a user with every right, they are
// gone after the log-out, so that nobody (nor the next user, without the right) works in them.
#include "app/startup.h"
#include "backoffice/tax/frmtax.h"
#include "core/mainwindow/load_frms.h"
#include "frontdesk/food/frmcustomersearch.h"
#include "frontdesk/food/frmfoodingbook.h"
#include "mainwindowtesting.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace mainwindowtesting;

namespace {

enum class Opener { TaxEditorItem, GuestSearchButton };

// Opens the window the way the user does and hands back its name.
QString open(Opener opener)
{
    switch (opener) {
    case Opener::TaxEditorItem:
        MainWindow().taxEditor->trigger();
        return backoffice::frmTax::Name;
    case Opener::GuestSearchButton: {
        MainWindow().mnuFoodOrder->trigger();
        auto *order = ui::Forms::Find<frontdesk::frmFoodingBook>();
        if (!order)
            return QString();
        order->txtSearchCustomer->setText(QStringLiteral("Ann"));
        order->Command3->click();
        return frontdesk::frmCustomerSearch::Name;
    }
    }
    return QString();
}

} // namespace

class RightWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::RegisterProgramWindows(); }
    void closedWhenTheRightLeaves_data();
    void closedWhenTheRightLeaves();
};

void RightWindowsTest::closedWhenTheRightLeaves_data()
{
    QTest::addColumn<int>("opener");
    QTest::newRow("tax editor") << int(Opener::TaxEditorItem);
    QTest::newRow("guest search") << int(Opener::GuestSearchButton);
}

void RightWindowsTest::closedWhenTheRightLeaves()
{
    QFETCH(int, opener);
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    core::Main();
    AddUser(fx, QStringLiteral("boss"), QStringLiteral("pw"));
    AddUser(fx, QStringLiteral("clerk"), QStringLiteral("pw"), Rights{0, 0, 0, 0, 0});
    TypeLogin(QStringLiteral("boss"), QStringLiteral("pw"));
    QVERIFY(core::State().mLoggedIn);

    const QString name = open(Opener(opener));
    ui::Form *window = ui::Forms::Find(name);
    QVERIFY2(window && window->isVisible(), qPrintable(name));
    QCOMPARE(window->Kind(), ui::FormKind::TopLevel);

    MainWindow().mnuLoginLogOut->trigger();
    ProcessDeletes();
    QVERIFY2(!ui::Forms::Find(name), qPrintable(name + " stayed open after the log-out"));

    // The next user, without the rights, finds nothing of it left.
    TypeLogin(QStringLiteral("clerk"), QStringLiteral("pw"));
    QVERIFY(core::State().mLoggedIn);
    QVERIFY(!ui::Forms::Find(name));
}

QTEST_MAIN(RightWindowsTest)
#include "tst_rightwindows.moc"
