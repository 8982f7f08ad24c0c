// The two bill viewers as the clerk sees them inside the main window: the whole toolbar and
// both lists in the band bar at the window's opening size, the text below; screenshots land
// in the build folder for a look.
#include "billsamples.h"
#include "controls/richtextbox.h"
#include "core/state/appstate.h"
#include "frontdesk/bills/frmcustomerprint.h"
#include "frontdesk/bills/frmfoodtxtview.h"
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

    GuestDetails guest = billsamples::TwoRoomGuest();
    guest.title = QStringLiteral("Mrs.");
    guest.firstName = QStringLiteral("Maeve");
    guest.lastName = QStringLiteral("O'Brien");
    frmCustomerPrint::ShowBill(guest);
    auto *guestBill = ui::Forms::Find<frmCustomerPrint>();
    QVERIFY(guestBill);
    formatHeading(*guestBill, 10);
    QTest::qWait(50);
    checkBandBar(*guestBill);
    QVERIFY(main.grab().save(screensFolder() + "/frmCustomerPrint.png"));

    FoodOrderDetails order = billsamples::TwoItemOrder();
    order.items.append({QStringLiteral("Crème brûlée"), QStringLiteral("$6.25")});
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
