// The two bill viewers as the clerk sees them inside the main window: the whole toolbar and
// both lists in the band bar at the window's opening size, the text below; screenshots land
// in the build folder for a look.
#include "controls/richtextbox.h"
#include "core/state/appstate.h"
#include "frontdesk/frmcustomerprint.h"
#include "frontdesk/frmfoodtxtview.h"
#include "support/corefixture.h"
#include "ui/forms.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QMainWindow>
#include <QMdiArea>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace frontdesk;

namespace {

QString screensFolder()
{
    const QString folder = QStringLiteral(HOTEL_SCREENS_DIR);
    QDir().mkpath(folder);
    return folder;
}

bool fullyInside(const QWidget *child, const QWidget *ancestor)
{
    const QRect inAncestor(child->mapTo(ancestor, QPoint(0, 0)), child->size());
    return ancestor->rect().contains(inAncestor);
}

// Every toolbar button and both lists show whole in the band bar, the text box below it.
void checkBandBar(RichTextViewer &viewer)
{
    for (QAction *button : viewer.Toolbar1->actions()) {
        if (button->isSeparator())
            continue;
        QWidget *shown = viewer.Toolbar1->widgetForAction(button);
        QVERIFY2(shown && shown->isVisible(), qPrintable(button->objectName()));
        QVERIFY2(fullyInside(shown, viewer.CoolBar1), qPrintable(button->objectName()));
    }
    QVERIFY(fullyInside(viewer.Combo1, viewer.CoolBar1));
    QVERIFY(fullyInside(viewer.Combo2, viewer.CoolBar1));
    QVERIFY(viewer.Combo1->width() >= viewer.Combo1->fontMetrics().horizontalAdvance(QStringLiteral("Liberation Sans")));
    QVERIFY(viewer.RichText->geometry().top() >= viewer.CoolBar1->geometry().bottom());
    QVERIFY(fullyInside(viewer.RichText, &viewer));
}

// The bill's first line bold and larger, the totals in colour: what a clerk does before saving.
void formatHeading(RichTextViewer &viewer, int totalsLine)
{
    viewer.RichText->SetSelStart(0);
    viewer.RichText->SetSelLength(int(viewer.RichText->Text().split(QStringLiteral("\r\n")).first().size()));
    viewer.Toolbar1_ButtonClick(QStringLiteral("boldi"));
    viewer.RichText->SetSelFontSize(14);
    const QStringList lines = viewer.RichText->toPlainText().split(QLatin1Char('\n'));
    int start = 0;
    for (int i = 0; i < totalsLine; ++i)
        start += int(lines.at(i).size()) + 1;
    viewer.RichText->SetSelStart(start);
    viewer.RichText->SetSelLength(int(lines.at(totalsLine).size()));
    viewer.RichText->SetSelColor(QColor(200, 30, 30));
    viewer.Toolbar1_ButtonClick(QStringLiteral("boldi"));
}

} // namespace

class TestBillScreens : public QObject {
    Q_OBJECT
private slots:
    void bothViewersInTheMainWindow();
};

void TestBillScreens::bothViewersInTheMainWindow()
{
    testsupport::CoreFixture fx;
    fx.exec("INSERT INTO tbl_Tax (TaxName, TaxRate, TaxCat) VALUES ('Service Tax', 10, 1)");
    fx.exec("INSERT INTO tbl_Tax (TaxName, TaxRate, TaxCat) VALUES ('VAT', 2.5, 1)");
    core::State().mOrderSign = QStringLiteral("#");

    QMainWindow main;
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(1100, 800);
    ui::SetMdiArea(area);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    GuestDetails guest;
    guest.guestNumber = QStringLiteral("MOKXTRQA");
    guest.title = QStringLiteral("Mrs.");
    guest.firstName = QStringLiteral("Maeve");
    guest.lastName = QStringLiteral("O'Brien");
    guest.address = QStringLiteral("12 Harbour Road, Cobh");
    guest.phone = QStringLiteral("0214811234");
    guest.checkIn = vb::Date::fromQDate(QDate(2026, 12, 8));
    guest.checkOut = vb::Date::fromQDate(QDate(2026, 12, 11));
    guest.roomRate = QStringLiteral("$451.50");
    guest.tax = QStringLiteral("$56.44");
    guest.grandTotal = QStringLiteral("$507.94");
    guest.paymentMethod = QStringLiteral("Credit Card");
    guest.advancePaid = QStringLiteral("$100.00");
    guest.due = QStringLiteral("$407.94");
    guest.rooms = {{QStringLiteral("101"), QStringLiteral("$300.00")}, {QStringLiteral("102"), QStringLiteral("$151.50")}};
    frmCustomerPrint::ShowBill(guest);
    auto *guestBill = ui::Forms::Find<frmCustomerPrint>();
    QVERIFY(guestBill);
    formatHeading(*guestBill, 10);
    QTest::qWait(50);
    checkBandBar(*guestBill);
    QVERIFY(main.grab().save(screensFolder() + "/frmCustomerPrint.png"));

    FoodOrderDetails order;
    order.title = QStringLiteral("Mrs.");
    order.firstName = QStringLiteral("Maeve");
    order.lastName = QStringLiteral("O'Brien");
    order.guestNumber = guest.guestNumber;
    order.orderText = QStringLiteral("#483920");
    order.items = {{QStringLiteral("Chef's Special"), QStringLiteral("$18.50")},
                   {QStringLiteral("Irish Coffee"), QStringLiteral("$7.00")},
                   {QStringLiteral("Crème brûlée"), QStringLiteral("$6.25")}};
    order.totalAmount = QStringLiteral("$31.75");
    order.taxPercent = QStringLiteral("12.5");
    order.taxAmount = QStringLiteral("$3.97");
    order.amountWithTax = QStringLiteral("$35.72");
    frmFoodTxtView::ShowBill(order);
    auto *foodBill = ui::Forms::Find<frmFoodTxtView>();
    QVERIFY(foodBill);
    foodBill->Move(1500, 900);
    formatHeading(*foodBill, 13);
    QTest::qWait(50);
    checkBandBar(*foodBill);
    QVERIFY(main.grab().save(screensFolder() + "/frmFoodTxtView.png"));
}

QTEST_MAIN(TestBillScreens)
#include "tst_billscreens.moc"
