// The booking window as the clerk sees it inside the main window: every field readable and
// nothing cut off at its designed size; screenshots of the filled window and of the
// confirmation land in the build folder for a look.
#include "bookingtesting.h"

#include "support/screens.h"

#include "controls/balloonwindow.h"
#include "core/aids/scrollbar.h"
#include "core/ui/cballoontooltip.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using frontdesk::frmBooking;
using namespace bookingtesting;

class TestBookingScreens : public QObject {
    Q_OBJECT

private slots:
    void filledWindowAndConfirmation();
};

void TestBookingScreens::filledWindowAndConfirmation()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100", "Sea view", "Double");
    addRoom(fx, "102", "50.5", "Garden", "Single");
    addRoom(fx, "201", "1250", "Top floor", "Suite");
    addRoomTax(fx, "Service", "10");
    logIn();

    testsupport::ScreenMainWindow screen;
    QVERIFY(screen.exposed);
    QMainWindow &main = screen.main;

    frmBooking &frm = openBooking(fx);
    QTest::qWait(50);
    QVERIFY(main.grab().save(testsupport::ScreensFolder() + "/frmBooking-opened.png"));
    QCOMPARE(frm.Width(), 10140);
    QCOMPARE(frm.Height(), 8985);

    // At its designed size the whole content shows without scrolling.
    QVERIFY(frm.HBar->isHidden());
    QVERIFY(frm.VBar->isHidden());
    QVERIFY(frm.PicOuter->contentsRect().width() >= frm.PicInner->width());
    QVERIFY(frm.PicOuter->contentsRect().height() >= frm.PicInner->height());
    HOTEL_CHECK_SCREEN(frm);

    // The rooms hint points at the lower left corner of the booked list.
    fillGuest(frm, "Maeve", "O'Brien");
    frm.Command5->click();
    const auto &hint = core::CBalloonToolTip::LastShown();
    QVERIFY(hint.isVisible());
    const QPoint corner = frm.ListView2->mapToGlobal(QPoint(0, frm.ListView2->height() - 1));
    QCOMPARE(hint.window->anchor(), corner);
    QTest::qWait(100);
    QVERIFY(testsupport::ScreenImage(main).save(testsupport::ScreensFolder() + "/frmBooking-hint.png"));

    frm.comboTitle->setCurrentText("Mrs.");
    frm.txtFName->setText("Maeve");
    frm.txtLName->setText("O'Brien");
    frm.txtAddress->setText("12 Harbour Road, Cobh");
    frm.txtPhone->setText("0214811234");
    frm.comboAdults->setCurrentText("2");
    frm.comboMinors->setCurrentText("1");
    stayDays(frm, 3);
    frm.comboStatus->setCurrentText("Checked In");
    bookRooms(frm, {"101", "102"});
    frm.txtAdvance->setText("150");
    frm.getDue();
    QTest::mouseClick(frm.paymentMethod[2], Qt::LeftButton);
    frm.txtPaymentDetails->setText("VISA ending 4242");
    frm.txtAdditionalNote->setPlainText("Late arrival, around 11 pm.\nCot for the child.");
    QTest::qWait(50);
    QVERIFY(main.grab().save(testsupport::ScreensFolder() + "/frmBooking-filled.png"));
    QVERIFY(frm.Frame()->grab().save(testsupport::ScreensFolder() + "/frmBooking-filled-window.png"));

    // The confirmation, shown by the real message box this time.
    ui::Dialogs *scripted = ui::InstallDialogs(nullptr);
    QString confirmation;
    QTimer::singleShot(300, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        QVERIFY(box->grab().save(testsupport::ScreensFolder() + "/frmBooking-confirmation-box.png"));
        // The whole screen shows the box over the window (under Xvfb; offscreen has no screen image).
        QVERIFY(testsupport::ScreenImage(main).save(testsupport::ScreensFolder() + "/frmBooking-confirmation.png"));
        confirmation = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Return);
    });
    frm.Command5->click();
    ui::InstallDialogs(scripted);
    QCOMPARE(confirmation, QStringLiteral("Customer Added"));
    QCOMPARE(frm.txtGrandTotal->text(), QStringLiteral("0"));
    QVERIFY(main.grab().save(testsupport::ScreensFolder() + "/frmBooking-after.png"));

    // A smaller window scrolls the content instead of squeezing it.
    const QSize least = frm.PicInner->size();
    frm.Move(0, 0, 6000, 5000);
    QTest::qWait(50);
    QVERIFY(!frm.HBar->isHidden());
    QVERIFY(!frm.VBar->isHidden());
    QVERIFY(frm.PicInner->width() <= least.width());
    QCOMPARE(frm.PicInner->size(), frm.PicInner->minimumSizeHint());
    frm.HBar->SetValue(frm.HBar->Max());
    QVERIFY(frm.PicInner->x() < 0);
    QVERIFY(main.grab().save(testsupport::ScreensFolder() + "/frmBooking-small.png"));
}

QTEST_MAIN(TestBookingScreens)
#include "tst_bookingscreens.moc"
