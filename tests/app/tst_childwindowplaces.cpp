// Where child windows appear in the main window's client area: at a first start every child
// window opened from the menu, from the guest list's popup and from the windows it opens
// shows whole, without scrolling; a remembered window keeps its normal frame through
// maximising and Window > Cascade and Tile, and opens inside a client area that has become
// smaller than it. Screenshots of each.
#include "app/startup.h"
#include "controls/reportlist.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/mainfrm.h"
#include "core/state/appstate.h"
#include "core/state/windowregistry.h"
#include "core/ui/windowposition.h"
#include "frontdesk/booking/bookingtesting.h"
#include "support/corefixture.h"
#include "support/screenchecks.h"
#include "ui/forms.h"
#include "ui/twips.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

namespace {

void seedHotel(testsupport::CoreFixture &fx)
{
    // config.ini as the set-up writes it: remembered windows open in their normal state.
    fx.writeIni(QStringLiteral("bokpos"), QStringLiteral("bokState"), QStringLiteral("0"));
    fx.writeIni(QStringLiteral("CusD"), QStringLiteral("CusDstate"), QStringLiteral("0"));
    bookingtesting::addRoom(fx, QStringLiteral("101"), QStringLiteral("80"));
    fx.exec(QStringLiteral(
        "INSERT INTO tbl_customers (cTitle, cFirstName, cLastName, cAddress, cPhone, cNoOfAdults, cNoOfMinors, "
        "cCheckInDate, cCheckOutDate, cNoOfDays, cRoomsRate, cTax, cGrandTotal, cAdvancePaid, cDue, cPaymentMethod, "
        "cPaymentMethodDetails, cRoomNameID, cRoomNamePrice, cAdditionalNote, cUniqueNo, cStatus) VALUES ('Mr.', "
        "'Alan', 'Brook', '1 Quay Street', '555 0101', 1, 0, #2024-05-01#, #2024-05-03#, 2, 160, 0, 160, 0, 160, "
        "'Cash', '', '101', '80', '', 'ABQWERTY', 'Checked In')"));
    fx.exec(QStringLiteral("INSERT INTO tbl_FoodOrders (OrderNo, FoodOrderID, CustomerTitle, CustomerFName, "
                           "CustomreLName, TotalPrice, Status) VALUES ('ABQWERTY', '555001', 'Mr.', 'Alan', 'Brook', "
                           "9.75, 'Checked In')"));
    fx.exec(QStringLiteral("CREATE TABLE [tbl_FoodOrder_555001] ( ID AUTOINCREMENT PRIMARY KEY,FoodItem "
                           "VARCHAR(225) NOT NULL, Price Currency NOT NULL)"));
    fx.exec(QStringLiteral("INSERT INTO [tbl_FoodOrder_555001] (FoodItem, Price) VALUES ('Club sandwich', 9.75)"));
}

// A left click on the list's first row.
void clickFirstRow(controls::ReportList &list)
{
    list.commitRows();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(0, 0)).center());
}

// The program started, with a clerk who holds every right.
core::mainFrm *startProgram()
{
    core::Main();
    auto *main = ui::Forms::Find<core::mainFrm>();
    if (!main)
        return nullptr;
    auto &state = core::State();
    bookingtesting::logIn();
    state.mRightSettings = state.mRightRoomList = state.mRightCustomers = state.mRightReport = 1;
    state.mRightTax = vb::Variant(int16_t(1));
    return main;
}

// The child window most recently opened.
ui::Form *activeChild(core::mainFrm &main)
{
    QMdiSubWindow *sub = main.MdiArea()->activeSubWindow();
    return sub ? qobject_cast<ui::Form *>(sub->widget()) : nullptr;
}

QString frameText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window's frame lies wholly in the visible part of the client area.
bool shownWhole(core::mainFrm &main, ui::Form &form, QString *why)
{
    const QRect view = main.MdiArea()->viewport()->rect();
    const QRect frame = form.Frame()->geometry();
    *why = form.objectName() + QStringLiteral(": frame ") + frameText(frame) + QStringLiteral(" in ") + frameText(view);
    return view.contains(frame);
}

// The frame in twips as the settings component saves it.
QList<int> savedFrame(testsupport::CoreFixture &fx, const QString &section)
{
    QList<int> frame;
    for (const char *key : {"Left", "Top", "Width", "Height"})
        frame << fx.readIni(section, QString::fromLatin1(key)).toInt();
    return frame;
}

QList<int> frameTwips(const ui::Form &form) { return {form.Left(), form.Top(), form.Width(), form.Height()}; }

// The guest list's popup, choosing the item by name; the guest list stays open.
ui::Form *fromGuestList(testsupport::CoreFixture &fx, core::mainFrm &main, const QString &item)
{
    main.mnuCustomerList->trigger();
    ui::Form *list = ui::Forms::Find(QStringLiteral("frmCustomers"));
    if (!list)
        return nullptr;
    auto *rows = list->findChild<controls::ReportList *>(QStringLiteral("customerList"));
    if (!rows)
        return nullptr;
    fx.dialogs().reply(ui::Reply::menuItem(item));
    rows->commitRows();
    // A right click on the first guest opens the popup.
    const QRect first = rows->visualRect(rows->model()->index(0, 1));
    QTest::mouseClick(rows->viewport(), Qt::RightButton, {}, first.center());
    return activeChild(main);
}

} // namespace

class ChildWindowPlacesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::RegisterProgramWindows(); }
    void everyChildWindowOpensWhole();
    void rememberedWindowComesBackUsable_data();
    void rememberedWindowComesBackUsable();
    void rememberedWindowFitsASmallerMainWindow_data();
    void rememberedWindowFitsASmallerMainWindow();
};

void ChildWindowPlacesTest::everyChildWindowOpensWhole()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    seedHotel(fx);
    core::mainFrm *main = startProgram();
    QVERIFY(main && QTest::qWaitForWindowExposed(main));
    QMdiArea *area = main->MdiArea();

    // Each opened beside the ones before it, as the clerk opens them one after the other.
    const QList<QAction *> menu{main->mnuBooking,        main->mnuFoodOrder, main->mnuCustomerList,
                                main->mnuRoomList,       main->mnuCustomerHistoryList, main->mnuReport,
                                main->mnuLog,            main->mnuAdministration, main->mnuChangeMyPassword};
    QList<ui::Form *> opened;
    for (QAction *item : menu) {
        item->trigger();
        opened << activeChild(*main);
    }
    // From the guest list's popup: the guest details and the guest's food orders, and the
    // bills those two show.
    ui::Form *details = fromGuestList(fx, *main, QStringLiteral("mnuCustomerDetail"));
    ui::Form *orders = fromGuestList(fx, *main, QStringLiteral("mnuFoodBeveragesDetails"));
    QVERIFY(details && orders);
    QCOMPARE(orders->objectName(), QStringLiteral("frmFoodDetails"));
    opened << details << orders;
    auto *guestBill = details->findChild<QPushButton *>(QStringLiteral("Command4"));
    auto *orderList = orders->findChild<controls::ReportList *>(QStringLiteral("OrderLV"));
    auto *orderBill = orders->findChild<QPushButton *>(QStringLiteral("Command3"));
    QVERIFY(guestBill && orderList && orderBill);
    guestBill->click();
    opened << activeChild(*main);
    clickFirstRow(*orderList);
    orderBill->click();
    opened << activeChild(*main);
    QCOMPARE(opened.last()->objectName(), QStringLiteral("frmFoodTxtView"));

    QString why;
    for (ui::Form *form : opened) {
        QVERIFY(form && form->Frame()->isVisible());
        QVERIFY2(shownWhole(*main, *form, &why), qPrintable(why));
    }
    QVERIFY(!area->verticalScrollBar()->isVisible() && !area->horizontalScrollBar()->isVisible());
    // Each in front in turn, for a look.
    for (ui::Form *form : opened) {
        area->setActiveSubWindow(form->SubWindow());
        QTest::qWait(50);   // painted before the picture is taken
        QVERIFY(testsupport::SaveScreenshot(*main, QStringLiteral("first-start-") + form->objectName(), true));
    }
}

void ChildWindowPlacesTest::rememberedWindowComesBackUsable_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("arrangement");
    for (const auto &[window, section] : {std::pair{"frmBooking", "bokpos"}, std::pair{"frmCustomers", "cuspos"},
                                          std::pair{"frmCustomerDetails", "CusD"}}) {
        for (const char *arrangement : {"maximise", "mnuCascade", "mnuTileHorizontal", "mnuTileVertical"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(window), QLatin1String(arrangement))))
                << QString::fromLatin1(window) << QString::fromLatin1(section) << QString::fromLatin1(arrangement);
        }
    }
}

void ChildWindowPlacesTest::rememberedWindowComesBackUsable()
{
    QFETCH(QString, window);
    QFETCH(QString, section);
    QFETCH(QString, arrangement);
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    seedHotel(fx);
    core::mainFrm *main = startProgram();
    QVERIFY(main && QTest::qWaitForWindowExposed(main));
    const auto open = [&] {
        if (window == QLatin1String("frmCustomerDetails"))
            return fromGuestList(fx, *main, QStringLiteral("mnuCustomerDetail"));
        core::ShowWindow(window, ui::vbModeless);
        return activeChild(*main);
    };
    // Five windows beside it, so that an arrangement has to share out the client area.
    for (QAction *item : {main->mnuRoomList, main->mnuCustomerHistoryList, main->mnuReport, main->mnuLog,
                          main->mnuAdministration})
        item->trigger();
    ui::Form *form = open();
    QVERIFY(form && form->objectName() == window);
    const QList<int> normal = frameTwips(*form);
    QCOMPARE(savedFrame(fx, section), normal);

    if (arrangement == QLatin1String("maximise")) {
        form->SetWindowState(ui::vbMaximized);
        QTRY_VERIFY(form->Frame()->isMaximized());
        // The maximised window keeps its normal frame in config.ini, also when the main
        // window's size changes meanwhile, and gets it back.
        QCOMPARE(fx.readIni(section, QStringLiteral("Maximised")), QStringLiteral("1"));
        QCOMPARE(savedFrame(fx, section), normal);
        main->resize(main->size() + QSize(120, 90));
        QCoreApplication::processEvents();
        QVERIFY(form->Frame()->isMaximized());
        QCOMPARE(savedFrame(fx, section), normal);
        form->SetWindowState(ui::vbNormal);
        QTRY_VERIFY(!form->Frame()->isMaximized());
        QCOMPARE(frameTwips(*form), normal);
        QTest::qWait(50);
        QVERIFY(testsupport::SaveScreenshot(*main, window + QStringLiteral("-restored-after-maximise"), true));
    } else {
        auto *arrange = main->findChild<QAction *>(arrangement);
        QVERIFY(arrange);
        arrange->trigger();
        QCoreApplication::processEvents();
        // Cascading keeps the windows usable: none is left a title bar.
        if (arrangement == QLatin1String("mnuCascade")) {
            for (QMdiSubWindow *sub : main->MdiArea()->subWindowList()) {
                const auto *child = qobject_cast<ui::Form *>(sub->widget());
                QVERIFY2(child->Width() >= core::RememberedMinimumWidth && child->Height() >= core::RememberedMinimumHeight,
                         qPrintable(child->objectName() + QStringLiteral(" cascaded to ") + frameText(sub->geometry())));
            }
        }
        QTest::qWait(50);
        QVERIFY(testsupport::SaveScreenshot(*main, window + QStringLiteral("-after-") + arrangement, true));
        // The arrangement's place and size are not remembered: the window keeps the frame the
        // clerk left it with.
        QCOMPARE(savedFrame(fx, section), normal);
    }
    // Opened again, it shows whole, at a usable size.
    QVERIFY(form->Unload(ui::vbFormControlMenu));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form = open();
    QVERIFY(form && form->objectName() == window);
    QString why;
    QVERIFY2(shownWhole(*main, *form, &why), qPrintable(why));
    QVERIFY2(form->Width() >= core::RememberedMinimumWidth && form->Height() >= core::RememberedMinimumHeight,
             qPrintable(why));
    QCOMPARE(frameTwips(*form), normal);
    QTest::qWait(50);
    QVERIFY(testsupport::SaveScreenshot(*main, window + QStringLiteral("-reopened-after-") + arrangement, true));
}

// A remembered window made as large as a maximised main window's client area opens inside
// the smaller client area once the main window is back to its normal size, every button in
// reach.
void ChildWindowPlacesTest::rememberedWindowFitsASmallerMainWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("guest list") << QStringLiteral("frmCustomers");
    QTest::newRow("booking window") << QStringLiteral("frmBooking");
}

void ChildWindowPlacesTest::rememberedWindowFitsASmallerMainWindow()
{
    QFETCH(QString, window);
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    seedHotel(fx);
    core::mainFrm *main = startProgram();
    QVERIFY(main && QTest::qWaitForWindowExposed(main));
    main->SetWindowState(ui::vbMaximized);
    QTRY_VERIFY(main->isMaximized());
    QTest::qWait(50);
    QMdiArea *area = main->MdiArea();
    core::ShowWindow(window, ui::vbModeless);
    ui::Form *form = activeChild(*main);
    QVERIFY(form && form->objectName() == window);
    form->SubWindow()->setGeometry(area->viewport()->rect());
    QVERIFY(form->Unload(ui::vbFormControlMenu));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    main->SetWindowState(ui::vbNormal);
    QTRY_VERIFY(!main->isMaximized());
    QTest::qWait(50);
    core::ShowWindow(window, ui::vbModeless);
    form = activeChild(*main);
    QVERIFY(form && form->objectName() == window);
    QString why;
    QVERIFY2(shownWhole(*main, *form, &why), qPrintable(why));
    const QRect view = area->viewport()->rect();
    for (QPushButton *button : form->findChildren<QPushButton *>()) {
        if (button->isVisible())
            QVERIFY2(view.contains(QRect(button->mapTo(area->viewport(), QPoint()), button->size())),
                     qPrintable(button->objectName() + QStringLiteral(" is out of reach")));
    }
    QTest::qWait(50);
    QVERIFY(testsupport::SaveScreenshot(*main, window + QStringLiteral("-after-main-window-restored"), true));
}

QTEST_MAIN(ChildWindowPlacesTest)
#include "tst_childwindowplaces.moc"
