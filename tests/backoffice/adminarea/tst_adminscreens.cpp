// The administration window as the administrator sees it inside the main window: every tab
// at the loaded size with its fields inside their frames, and the two editors opening beside
// the clicked row. Screenshots land in the build folder for a look.
#include "admintesting.h"

#include "backoffice/adminarea/frmroomadminfloat.h"
#include "backoffice/adminarea/usereditfloat.h"
#include "core/aids/scrollbar.h"
#include "support/screens.h"
#include "ui/twips.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>

using backoffice::frmAdminArea;
using namespace admintesting;

namespace {

void checkFrames(QWidget *page, const QString &tab)
{
    for (QGroupBox *frame : page->findChildren<QGroupBox *>()) {
        QVERIFY2(testsupport::FullyInside(frame), qPrintable(tab + ": " + frame->objectName()));
        for (QWidget *field : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!field->isHidden())
                QVERIFY2(testsupport::FullyInside(field), qPrintable(tab + ": " + field->objectName()));
        }
        for (QLabel *label : frame->findChildren<QLabel *>())
            QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(tab + ": " + label->text()));
    }
}

// The editor's top left corner lies under the clicked row, right of the clicked point.
void checkBeside(const QWidget &editor, const controls::ReportList *list)
{
    const QPoint local(ui::TwipsToPixelsX(list->lastClickX()), ui::TwipsToPixelsY(list->lastClickY()));
    const QRect row = list->visualRect(list->indexAt(local));
    const QPoint clicked = list->viewport()->mapToGlobal(local);
    const QPoint corner = editor.frameGeometry().topLeft();
    const int rowBottom = list->viewport()->mapToGlobal(row.bottomLeft()).y();
    QVERIFY2(qAbs(corner.y() - rowBottom) <= 2, qPrintable(QStringLiteral("%1 %2").arg(corner.y()).arg(rowBottom)));
    QVERIFY(corner.x() > clicked.x() && corner.x() - clicked.x() < 40);
}

void rightClick(controls::ReportList *list, int row)
{
    const QRect cell = list->visualRect(list->model()->index(row - 1, 0));
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, cell.center());
}

} // namespace

class TestAdminScreens : public QObject {
    Q_OBJECT

private slots:
    void everyTabAndBothEditors();
};

void TestAdminScreens::everyTabAndBothEditors()
{
    testsupport::ScreenMainWindow screen;
    QVERIFY(screen.exposed);
    QMainWindow &main = screen.main;

    AdminSession s;
    for (const char *room : {"101", "102", "201"})
        s.fx.exec(QStringLiteral("INSERT INTO tbl_Rooms (RoomNameID, Description, RoomType, RoomPrice) VALUES "
                                 "('%1', 'Sea view, balcony', 'Double Bed', 120)")
                      .arg(QString::fromLatin1(room)));
    s.fx.exec(QStringLiteral("INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, croomlist, cmodifytax, "
                             "canViewReport, ccustomerviewedit, cusertype) VALUES ('owner', 'x', 1, 1, 1, 1, 1, 1)"));
    s.fx.exec(QStringLiteral("INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, croomlist, cmodifytax, "
                             "canViewReport, ccustomerviewedit) VALUES ('clerk', 'x', 0, 1, 0, 0, 1)"));
    s.fx.exec(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Desserts')"));
    s.fx.exec(QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) VALUES "
                             "('Apple pie', 4.5, 'warm, with cream', 1)"));
    frmAdminArea &admin = s.window();
    admin.RoomListShow();
    admin.UserListView();
    admin.CategoryListShow();
    admin.ItemCatLV->setListIndex(1);
    admin.ItemCatLV_ItemClick();
    QCOMPARE(admin.Width(), 9450);
    QCOMPARE(admin.Height(), 7755);

    const char *const names[] = {"rooms", "food", "database", "users", "other"};
    for (int tab = 0; tab < admin.SSTab1->count(); ++tab) {
        admin.SSTab1->setCurrentIndex(tab);
        QTest::qWait(30);
        QVERIFY(main.grab().save(testsupport::ScreensFolder() + QStringLiteral("/frmAdminArea-%1.png").arg(names[tab])));
        QVERIFY2(admin.HBar->isHidden() && admin.VBar->isHidden(),
                 qPrintable(QStringLiteral("tab %5 %6 wide; content %1 x %2, window %3 x %4")
                                .arg(admin.PicInner->minimumSizeHint().width())
                                .arg(admin.PicInner->minimumSizeHint().height())
                                .arg(admin.width())
                                .arg(admin.height())
                                .arg(tab)
                                .arg(admin.SSTab1->widget(tab)->minimumSizeHint().width())));
        checkFrames(admin.SSTab1->widget(tab), QString::fromLatin1(names[tab]));
    }

    admin.SSTab1->setCurrentIndex(0);
    QTest::qWait(30);
    rightClick(admin.listRoomView, 2);
    QCOMPARE(admin.listRoomView->listIndex(), 2);
    QVERIFY(workInEditor<backoffice::frmRoomAdminFloat>(
        s.dialogs(), QStringLiteral("mnuEditSelected"), [&] { admin.listRoomView_MouseDown(2); },
        [&](backoffice::frmRoomAdminFloat &editor) {
            QTest::qWait(50);
            checkBeside(editor, admin.listRoomView);
            QCOMPARE(editor.txtRoomIDedit->text(), QStringLiteral("102"));
            QVERIFY(testsupport::ScreenImage(main).save(testsupport::ScreensFolder() + "/frmRoomAdminFloat.png"));
            QVERIFY(editor.grab().save(testsupport::ScreensFolder() + "/frmRoomAdminFloat-window.png"));
        }));

    admin.SSTab1->setCurrentIndex(3);
    QTest::qWait(30);
    rightClick(admin.UserList, 2);
    QVERIFY(workInEditor<backoffice::UserEditFloat>(
        s.dialogs(), QStringLiteral("mnuEditUser"), [&] { admin.UserList_MouseDown(2); },
        [&](backoffice::UserEditFloat &editor) {
            QTest::qWait(50);
            checkBeside(editor, admin.UserList);
            QCOMPARE(editor.lbusername->text(), QStringLiteral("User Name : clerk"));
            QVERIFY(testsupport::ScreenImage(main).save(testsupport::ScreensFolder() + "/UserEditFloat.png"));
            QVERIFY(editor.grab().save(testsupport::ScreensFolder() + "/UserEditFloat-window.png"));
        }));
}

QTEST_MAIN(TestAdminScreens)
#include "tst_adminscreens.moc"
