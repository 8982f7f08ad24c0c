#pragma once
// The program's main window: menus, the toolbar, the child windows' area and the status
// bar. It applies the rights rule in front of every task window, logs users out, writes
// the logout rows of the activity log and remembers its position (config.ini, "pos").
#include "ui/form.h"

#include <QList>
#include <QString>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;
class QToolBar;
class QWidget;

namespace core {

class mainFrm : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("mainFrm");

    mainFrm();
    ~mainFrm() override;

    // Status bar panels, 1 to 4: login state, "CAPS", time, date.
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString &text);

    QMdiArea *MdiArea() const { return mdiArea_; }

    QMenuBar *menuBar;
    QWidget *CoolBar1;
    QToolBar *Toolbar1;
    QStatusBar *StatusBar1;

    QMenu *mnuRecords;
    QAction *mnuBooking;
    QAction *mnuFoodOrder;
    QAction *mnusepk;
    QAction *mnuCustomerList;
    QAction *mnuRoomList;
    QAction *mnuCustomerHistoryList;
    QAction *mnuReport;
    QAction *sep;
    QAction *mnuLoginLogOut;
    QMenu *mnuOptions;
    QAction *mnuAdministration;
    QAction *taxEditor;
    QAction *sepu;
    QAction *mnuLog;
    QAction *mnuChangeMyPassword;
    QMenu *mnuWin;
    QAction *mnuCascade;
    QAction *mnuTileHorizontal;
    QAction *mnuTileVertical;
    QMenu *mnuHelp;
    QAction *mnuOnlineHelp;
    QAction *mnuOpenHelp;
    QAction *mnusep;
    QAction *mnuAbout;

    // Menu handlers.
    void mnuBooking_Click();
    void mnuFoodOrder_Click();
    void mnuCustomerList_Click();
    void mnuRoomList_Click();
    void mnuCustomerHistoryList_Click();
    void mnuReport_Click();
    void mnuLoginLogOut_Click();
    void mnuAdministration_Click();
    void taxEditor_Click();
    void mnuLog_Click();
    void mnuChangeMyPassword_Click();
    void mnuCascade_Click();
    void mnuTileHorizontal_Click();
    void mnuTileVertical_Click();
    void mnuOnlineHelp_Click();
    void mnuOpenHelp_Click();
    void mnuAbout_Click();
    // A toolbar button, by its key ("toolNewBooking").
    void Toolbar1_ButtonClick(const QString &key);

    // The Window menu's list of child windows, rebuilt each time the menu opens.
    void RefreshWindowList();
    QList<QAction *> WindowListActions() const { return windowList_; }

    // The maker's support page.
    static QString SupportPage();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int &cancel) override;
    // The window manager gives a restored window its place after its size: the position is
    // saved again once it has moved, so that config.ini holds where the window ended.
    void moveEvent(QMoveEvent *event) override;

private:
    void MDIForm_Load();
    void MDIForm_Resize();
    void MDIForm_Unload();

    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void updateClock();
    void showCapsLock(bool on);

    // The rights rule: the task window when logged in with the right, the message when
    // logged in without it, else the login window.
    void openGuarded(const QString &window, bool hasRight, const QString &noRightMessage);
    void showLoginWindow();
    void logOut();
    // Both ways of leaving a session close every child window.
    void unloadChildWindows();

    QMdiArea *mdiArea_;
    QList<QLabel *> panels_;
    QTimer *clock_;
    QList<QAction *> windowList_;
    QAction *windowListSeparator_;
};

} // namespace core
