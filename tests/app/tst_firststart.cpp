// The program's first start on a 1280 x 1024 desk, with no position saved yet: the main
// window holds the booking window without scrolling, and a maximised booking window gives
// its extra height to the room lists rather than to the notes. Screenshots of both.
#include "app/startup.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/mainfrm.h"
#include "core/state/appstate.h"
#include "core/state/windowregistry.h"
#include "frontdesk/booking/bookingtesting.h"
#include "frontdesk/booking/frmbooking.h"
#include "support/corefixture.h"
#include "support/screenchecks.h"
#include "ui/forms.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

using frontdesk::frmBooking;

class FirstStartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::RegisterProgramWindows(); }
    void bookingWindowFitsAndMaximisesIntoTheLists();
};

void FirstStartTest::bookingWindowFitsAndMaximisesIntoTheLists()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni(QStringLiteral("bokpos"), QStringLiteral("bokState"), QStringLiteral("0"));
    QVERIFY(fx.readIni(QStringLiteral("pos"), QStringLiteral("Left")).isEmpty());
    core::Main();
    auto *main = ui::Forms::Find<core::mainFrm>();
    QVERIFY(main && QTest::qWaitForWindowExposed(main));
    for (const char *room : {"101", "102", "103", "104", "105", "106", "201", "202", "203"})
        bookingtesting::addRoom(fx, room, "80");
    bookingtesting::logIn();

    QVERIFY(core::ShowWindow(QStringLiteral("frmBooking"), ui::vbModeless));
    auto *booking = ui::Forms::Find<frmBooking>();
    QVERIFY(booking && QTest::qWaitForWindowExposed(booking->window()));
    QMdiArea *area = main->MdiArea();
    QMdiSubWindow *sub = area->activeSubWindow();
    QVERIFY(sub && !sub->isMaximized());
    // The whole booking window shows in the client area: nothing to scroll to.
    QVERIFY2(area->viewport()->rect().contains(sub->geometry()),
             qPrintable(QStringLiteral("client area %1 x %2, booking window %3 x %4")
                            .arg(area->viewport()->width()).arg(area->viewport()->height())
                            .arg(sub->width()).arg(sub->height())));
    QVERIFY(!area->verticalScrollBar()->isVisible() && !area->horizontalScrollBar()->isVisible());
    QVERIFY(testsupport::SaveScreenshot(*main, QStringLiteral("first-start-booking")));

    // Maximised in a main window as large as the desk, the extra height goes to the two room
    // lists. (The main window is resized, not maximised, so that no window manager is needed.)
    const int listsHeight = booking->ListView1->height() + booking->ListView2->height();
    const int notesHeight = booking->txtAdditionalNote->height();
    const int windowHeight = booking->Frame()->height();
    main->resize(main->screen()->availableGeometry().size());
    booking->SetWindowState(ui::vbMaximized);
    QTRY_VERIFY(sub->isMaximized());
    QTest::qWait(50);
    const int extra = booking->Frame()->height() - windowHeight;
    const int listsGrowth = booking->ListView1->height() + booking->ListView2->height() - listsHeight;
    QVERIFY2(extra > 200, qPrintable(QStringLiteral("the window grew by %1 pixels").arg(extra)));
    QVERIFY2(3 * listsGrowth >= 2 * extra,
             qPrintable(QStringLiteral("the lists grew by %1 pixels of %2").arg(listsGrowth).arg(extra)));
    QVERIFY(qAbs(booking->ListView1->height() - booking->ListView2->height()) <= 1);
    QVERIFY(booking->txtAdditionalNote->height() - notesHeight < listsGrowth / 2);
    HOTEL_CHECK_SCREEN(*booking);
    QVERIFY(testsupport::SaveScreenshot(*main, QStringLiteral("first-start-booking-maximised")));
    ui::Forms::UnloadMdiChildren();
}

QTEST_MAIN(FirstStartTest)
#include "tst_firststart.moc"
