#pragma once
// The "Administration" child window: five tabs for the rooms, the food and drink catalogue,
// the database settings, the user accounts and the hotel information with the clearing of
// the guest history. Each tab's handlers live in a file of their own
// (frmadminarea_<tab>.cpp); the controls are built in frmadminarea_controls.cpp.
#include "core/db/configini.h"
#include "core/ui/cballoontooltip.h"
#include "ui/form.h"

#include <QString>
#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;
class QWidget;

namespace controls {
class PopupMenu;
class ReportList;
}

namespace core {
class CCrypto;
class ScrollBar;
}

namespace ui {
class CommonDialog;
}

namespace backoffice {

class frmAdminArea : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmAdminArea");

    frmAdminArea();
    ~frmAdminArea() override;

    // The sub-items of the room and account rows that hold the row's key.
    static constexpr int RoomKeyColumn = 4;
    static constexpr int UserKeyColumn = 6;

    // Declared for other windows; nothing sets or reads it.
    int16_t ItemClicked = 0;
    // The RoomID of the room the room editor loaded (0: none); the editor saves that room.
    int16_t ListViewValueFromDB = 0;
    // The ID of the account row last clicked.
    int16_t UserItemClicked = 0;

    // Refill the rooms and the accounts lists; the editors call them after saving.
    void RoomListShow();
    void UserListView();
    // The hotel information boxes from tbl_HotelInfo.
    void LoadHotelInfo();
    // Refill the categories, and the items of the selected category.
    void CategoryListShow();
    void ItemListShow();
    // Remove the selected room or account after a confirmation.
    void iRemoveRoom();
    void removeuserName();

    // The scrollable area.
    QFrame *PicOuter;
    QWidget *PicInner;
    core::ScrollBar *HBar;
    core::ScrollBar *VBar;
    QTabWidget *SSTab1;

    // Rooms tab.
    QWidget *Picture1;
    QGroupBox *Frame1;   // "Add / Remove Rooms"
    QLineEdit *txtRoomID;
    QLineEdit *txtRoomDesc;
    QLineEdit *txtRoomPrice;
    QComboBox *comboRoomType;
    QPushButton *cmdAddRoom;
    QPushButton *cmdRemoveRoom;
    controls::ReportList *listRoomView;
    QProgressBar *ProgressBar1;
    controls::PopupMenu *AGPopUp1;
    QTimer *Timer1;

    // Food and beverage tab.
    QGroupBox *Frame5;   // "&Add / Remove Items"
    QGroupBox *Frame6;   // "Category"
    QGroupBox *Frame7;   // "Items"
    QLineEdit *itmCat;
    QPushButton *Command4;   // add category
    QPushButton *Command6;   // remove category
    controls::ReportList *ItemCatLV;
    QLineEdit *itmName;
    QLineEdit *itmPrice;
    QLineEdit *itmNote;
    QPushButton *Command5;   // add item
    QPushButton *Command7;   // remove item
    controls::ReportList *FoodLV;

    // Database settings tab.
    QGroupBox *Frame3;   // "Other Settings"
    QLineEdit *txtDBpath;
    QPushButton *Command2;   // "Browse"
    QLineEdit *txtDBpass;
    QLabel *Label12;
    QCheckBox *UseMySQL;
    QLineEdit *txtSQLHost;
    QLineEdit *txtSQLDBName;
    QLineEdit *txtSQLUserName;
    QLineEdit *txtSQLPassWord;
    QPushButton *Command3;   // "&Save DB Changes"
    std::unique_ptr<ui::CommonDialog> Dialog1;

    // User accounts tab.
    QGroupBox *Frame4;   // "Add Account"
    QGroupBox *Frame2;   // "Users Settings"
    QLineEdit *txtUserName;
    QLineEdit *txtPassWord;
    QCheckBox *CheckModifySettings;
    QCheckBox *CheckCanViewRoomList;
    QCheckBox *CheckCanAddModifyTax;
    QCheckBox *CheckCanViewEditCustomreList;
    QCheckBox *canViewReport;
    QPushButton *Command1;   // "&Add &User Account"
    controls::ReportList *UserList;
    controls::PopupMenu *AGPopUp2;

    // Other settings tab.
    QGroupBox *Frame9;   // the clear history button
    QGroupBox *Frame8;   // "Hotel Information"
    QLineEdit *txtHotelName;
    QLineEdit *txtHotelPhone;
    QLineEdit *txtHotelFax;
    QLineEdit *txtHotelAddress;
    QCheckBox *AddOrderSign;
    QPushButton *Command9;   // "&Save"
    QPushButton *Command8;   // "&Clear Customer History"

    // Handlers, connected to the controls; public so that the tests run them as the user would.
    void cmdAddRoom_Click();
    void txtRoomID_Click();
    void txtRoomDesc_Click();
    void txtRoomID_KeyDown();
    void AGPopUp1_Click(const QString &itemName);
    void listRoomView_MouseDown(int button);
    void Timer1_Timer();

    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void itmPrice_LostFocus();
    void ItemCatLV_ItemClick();

    void UseMySQL_Click();
    void Command2_Click();
    void Command3_Click();

    void Command1_Click();
    void UserList_ItemClick();
    void UserList_MouseDown(int button);
    void AGPopUp2_Click(const QString &itemName);

    void Command9_Click();
    void Command8_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int &cancel) override;
    void Form_Resize() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction (frmadminarea_controls.cpp).
    void createControls();
    QWidget *createRoomsTab();
    QWidget *createFoodTab();
    QWidget *createDatabaseTab();
    QWidget *createUsersTab();
    QWidget *createOtherTab();
    void connectControls();
    void watchClicksAndKeys();
    void fitContent();
    void addListColumns();

    // Rooms (frmadminarea_rooms.cpp).
    bool addRoom();
    void EditSelectedRoom();
    void ExportListToExcel(controls::ReportList *list, QString &fileName);
    bool roomHeldByGuest(const QString &room);
    // Users (frmadminarea_users.cpp).
    bool addUser();
    void EditSelectedUser();
    bool accountMayBeRemoved(long userId, const QString &name);
    // Catalogue (frmadminarea_catalog.cpp).
    long selectedCategoryId() const;
    // Settings (frmadminarea_settings.cpp).
    void loadDatabaseSettings();
    void saveDatabaseSettings();

    // The editors open beside the clicked row: the list's last click, in screen twips.
    QPoint clickedPointTwips(const controls::ReportList *list) const;

    void showHint(QLineEdit *box, const QString &title, const QString &text);
    void removeBalloon();
    core::CBalloonToolTip &tip();
    core::CCrypto &crypto();

    std::unique_ptr<core::CBalloonToolTip> tip_;
    std::unique_ptr<core::CCrypto> crypto_;
    core::IniObject ini_;
};

} // namespace backoffice
