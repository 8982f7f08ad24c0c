#include "core/mainwindow/mainfrm.h"

#include "core/db/configini.h"
#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/login/loginstatements.h"
#include "core/mainwindow/capslockwatch.h"
#include "core/mainwindow/childarrangement.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/toolbaricons.h"
#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/rightguard.h"
#include "core/state/runhandler.h"
#include "core/state/windowregistry.h"
#include "core/ui/elidinglabel.h"
#include "core/ui/windowposition.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "vb/app.h"
#include "vb/locale.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>


namespace core {

namespace {

const QString NotLoggedIn = QStringLiteral("Not Logged In");

// The toolbar, left to right: each button's key, its tooltip, and the menu item it stands for.
struct ToolbarButton {
    const char *key;
    const char *text;
    void (mainFrm::*handler)();
};
const ToolbarButton ToolbarButtons[] = {
    {"toolNewBooking", "New Booking", &mainFrm::mnuBooking_Click},
    {"toolNewFoodOrder", "New Food & Beverages Order", &mainFrm::mnuFoodOrder_Click},
    {"toolCustomerList", "Customer List", &mainFrm::mnuCustomerList_Click},
    {"toolRoomSchedule", "Room(s) Schedule", &mainFrm::mnuRoomList_Click},
    {"toolStats", "Stats View", &mainFrm::mnuReport_Click},
    {"toolLogView", "Log View", &mainFrm::mnuLog_Click},
    {"toolAdmin", "Administrator", &mainFrm::mnuAdministration_Click},
};

} // namespace

mainFrm::mainFrm() : ui::Form(Name)
{
    SetCaption(QStringLiteral("Brevant Vol 1"));
    // Until a position is saved: room for the largest child window (the booking window,
    // 676 x 599 pixels) below the menu, toolbar and above the status bar. A smaller screen
    // gets the window fitted to it by the position loader.
    resize(1024, 768);

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    buildMenus();

    CoolBar1 = new QWidget(this);
    CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
    Toolbar1 = new QToolBar(CoolBar1);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    auto *coolBarLayout = new QHBoxLayout(CoolBar1);
    coolBarLayout->setContentsMargins(2, 0, 2, 0);
    coolBarLayout->addWidget(Toolbar1);
    coolBarLayout->addStretch(1);
    buildToolbar();

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIClient"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ui::SetMdiArea(mdiArea_);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    buildStatusBar();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(CoolBar1);
    layout->addWidget(mdiArea_, 1);
    layout->addWidget(StatusBar1);

    new CapsLockWatch(this, [this](bool on) { showCapsLock(on); });
}

mainFrm::~mainFrm()
{
    // The area reports activations while it is being destroyed.
    mdiArea_->disconnect(this);
    if (ui::MdiArea() == mdiArea_)
        ui::SetMdiArea(nullptr);
}

void mainFrm::buildMenus()
{
    auto menu = [this](const char *name, const QString &caption) {
        QMenu *m = menuBar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [this](QMenu *m, const char *name, const QString &caption, void (mainFrm::*handler)(),
                       const QKeySequence &shortcut = QKeySequence()) {
        QAction *a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(shortcut);
        core::ConnectHandler(a, &QAction::triggered, this, handler);
        return a;
    };
    auto separator = [](QMenu *m, const char *name) {
        QAction *a = m->addSeparator();
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    mnuRecords = menu("mnuRecords", QStringLiteral("&Records"));
    mnuBooking = item(mnuRecords, "mnuBooking", QStringLiteral("New &Booking"), &mainFrm::mnuBooking_Click,
                      QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFoodOrder = item(mnuRecords, "mnuFoodOrder", QStringLiteral("New &Food && Beverages Order"),
                        &mainFrm::mnuFoodOrder_Click, QKeySequence(Qt::CTRL | Qt::Key_F));
    mnusepk = separator(mnuRecords, "mnusepk");
    mnuCustomerList = item(mnuRecords, "mnuCustomerList", QStringLiteral("&Customer List"),
                           &mainFrm::mnuCustomerList_Click, QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuRoomList = item(mnuRecords, "mnuRoomList", QStringLiteral("Room(s) &Schedule"), &mainFrm::mnuRoomList_Click,
                       QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuCustomerHistoryList = item(mnuRecords, "mnuCustomerHistoryList", QStringLiteral("&Customer History List"),
                                  &mainFrm::mnuCustomerHistoryList_Click);
    mnuReport = item(mnuRecords, "mnuReport", QStringLiteral("&Overall Report"), &mainFrm::mnuReport_Click);
    sep = separator(mnuRecords, "sep");
    mnuLoginLogOut = item(mnuRecords, "mnuLoginLogOut", QStringLiteral("Log in"), &mainFrm::mnuLoginLogOut_Click);

    mnuOptions = menu("mnuOptions", QStringLiteral("&Options"));
    mnuAdministration = item(mnuOptions, "mnuAdministration", QStringLiteral("A&dministration"),
                             &mainFrm::mnuAdministration_Click, QKeySequence(Qt::CTRL | Qt::Key_A));
    taxEditor = item(mnuOptions, "taxEditor", QStringLiteral("Tax(s) Editor"), &mainFrm::taxEditor_Click,
                     QKeySequence(Qt::CTRL | Qt::Key_T));
    sepu = separator(mnuOptions, "sepu");
    mnuLog = item(mnuOptions, "mnuLog", QStringLiteral("&View Log"), &mainFrm::mnuLog_Click);
    mnuChangeMyPassword = item(mnuOptions, "mnuChangeMyPassword", QStringLiteral("&Change My Password"),
                               &mainFrm::mnuChangeMyPassword_Click);

    mnuWin = menu("mnuWin", QStringLiteral("&Window"));
    mnuCascade = item(mnuWin, "mnuCascade", QStringLiteral("&Cascade"), &mainFrm::mnuCascade_Click);
    mnuTileHorizontal = item(mnuWin, "mnuTileHorizontal", QStringLiteral("&Tile Horizontal"),
                             &mainFrm::mnuTileHorizontal_Click);
    mnuTileVertical = item(mnuWin, "mnuTileVertical", QStringLiteral("&Tile Vertical"),
                           &mainFrm::mnuTileVertical_Click);
    windowListSeparator_ = mnuWin->addSeparator();
    windowListSeparator_->setVisible(false);
    core::ConnectHandler(mnuWin, &QMenu::aboutToShow, this, &mainFrm::RefreshWindowList);

    mnuHelp = menu("mnuHelp", QStringLiteral("&Help"));
    mnuOnlineHelp = item(mnuHelp, "mnuOnlineHelp", QStringLiteral("&Online Support"), &mainFrm::mnuOnlineHelp_Click);
    mnuOpenHelp = item(mnuHelp, "mnuOpenHelp", QStringLiteral("&Open Help"), &mainFrm::mnuOpenHelp_Click);
    mnusep = separator(mnuHelp, "mnusep");
    mnuAbout = item(mnuHelp, "mnuAbout", QStringLiteral("&About Brevant"), &mainFrm::mnuAbout_Click);
}

void mainFrm::buildToolbar()
{
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setMovable(false);
    for (const ToolbarButton &shown : ToolbarButtons) {
        const QString name = QString::fromLatin1(shown.key);
        const QString text = QString::fromLatin1(shown.text);
        QAction *button = Toolbar1->addAction(toolbarIcon(name), text);
        button->setObjectName(name);
        button->setToolTip(text);
        Toolbar1->widgetForAction(button)->setObjectName(name);
        core::ConnectHandler(button, &QAction::triggered, this, [this, name] { Toolbar1_ButtonClick(name); });
    }
}

void mainFrm::buildStatusBar()
{
    const QString samples[] = {QString(), QStringLiteral(" CAPS "), QStringLiteral(" 12:00 PM "),
                               QStringLiteral(" 12/31/2000 ")};
    for (int i = 0; i < 4; ++i) {
        // The login state holds the user's name, which may be long: it is cut to the room
        // the panel has rather than widening the main window.
        QLabel *panel = i == 0 ? new ElidingLabel(StatusBar1) : new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        if (i == 0) {
            StatusBar1->addWidget(panel, 1);
        } else {
            panel->setAlignment(Qt::AlignCenter);
            panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(samples[i]) + 12);
            StatusBar1->addPermanentWidget(panel);
        }
        panels_ << panel;
    }
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    core::ConnectHandler(clock_, &QTimer::timeout, this, &mainFrm::updateClock);
    clock_->start();
    updateClock();
}

void mainFrm::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    SetPanelText(3, vb::CurrentLocale().toString(now.time(), QLocale::ShortFormat));
    SetPanelText(4, vb::CurrentLocale().toString(now.date(), vb::ShortDateFormat()));
}

void mainFrm::showCapsLock(bool on) { SetPanelText(2, on ? QStringLiteral("CAPS") : QString()); }

QString mainFrm::PanelText(int index) const
{
    return index >= 1 && index <= panels_.size() ? panels_.at(index - 1)->text() : QString();
}

void mainFrm::SetPanelText(int index, const QString &text)
{
    if (index >= 1 && index <= panels_.size())
        panels_.at(index - 1)->setText(text);
}

QString mainFrm::SupportPage() { return QStringLiteral("https://www.brevant.example/support"); }

// --- Start-up, size and end ------------------------------------------------------------

void mainFrm::Form_Load() { MDIForm_Load(); }
void mainFrm::Form_Resize() { MDIForm_Resize(); }
void mainFrm::Form_Unload(int &) { MDIForm_Unload(); }

void mainFrm::MDIForm_Load()
{
    auto &state = State();
    bool refused = false;
    ResumeNext([&] {
        if (!AppPrevInstance())
            return;
        refused = true;
        ui::MsgBox(QStringLiteral("Brevant already running!"), ui::vbInformation);
        EndProgram();
    });
    if (refused)
        return;
    ResumeNext([] { OpenDatabase(); });
    ResumeNext([&] { SetPanelText(1, NotLoggedIn); });
    ResumeNext([&] { mnuChangeMyPassword->setVisible(false); });
    ResumeNext([&] {
        IniObject ini = NewConfigIni(QStringLiteral("pos"));
        ini->SetPath(ConfigIniPath());
        ini->SetSection(QStringLiteral("pos"));
        LoadWindowPosition(*ini, *this);
    });
    ResumeNext([&] { state.mHistoryCustomerNo.clear(); });
    ResumeNext([] { ReadHotelInfo(); });
}

void mainFrm::MDIForm_Resize()
{
    ResumeNext([&] {
        IniObject ini = NewConfigIni(QStringLiteral("pos"));
        ini->SetPath(ConfigIniPath());
        ini->SetSection(QStringLiteral("pos"));
        SaveWindowPosition(*ini, *this);
    });
}

void mainFrm::moveEvent(QMoveEvent *event)
{
    ui::Form::moveEvent(event);
    if (IsLoaded() && isVisible() && WindowState() == ui::vbNormal)
        MDIForm_Resize();
}

void mainFrm::MDIForm_Unload()
{
    auto &state = State();
    if (state.mLoggedIn) {
        ResumeNext([&] {
            ExecuteSQL(LogoutLogSql(state.mUserName, SessionEnd::ProgramClosed), SqlAction::Insert);
        });
        ResumeNext([&] { state.mLoggedIn = false; });
        ResumeNext([] { ui::MsgBox(QStringLiteral("Successfully Logged Out!"), ui::vbInformation); });
        ResumeNext([] { CloseWindowsWithoutRight(); });
    }
    // Child windows never outlive the main window, logged in or not.
    ResumeNext([&] { unloadChildWindows(); });
    ResumeNext([] { CloseRecordset(); });
}

void mainFrm::unloadChildWindows() { ui::Forms::UnloadMdiChildren(); }

// --- The rights rule -----------------------------------------------------------------

void mainFrm::showLoginWindow() { ShowWindow(QStringLiteral("frmLogInOut"), ui::vbModeless); }

void mainFrm::openGuarded(const QString &window, bool hasRight, const QString &noRightMessage)
{
    ResumeNext([&] {
        const auto &state = State();
        if (state.mLoggedIn && hasRight)
            ShowWindow(window, ui::vbModeless);
        else if (state.mLoggedIn)
            ui::MsgBox(noRightMessage, ui::vbInformation);
        else
            showLoginWindow();
    });
}

void mainFrm::mnuBooking_Click() { openGuarded(QStringLiteral("frmBooking"), true, NoPrivilegeMessage()); }

void mainFrm::mnuFoodOrder_Click() { openGuarded(QStringLiteral("frmFoodingBook"), true, NoPrivilegeMessage()); }

void mainFrm::mnuCustomerList_Click()
{
    openGuarded(QStringLiteral("frmCustomers"), State().mRightCustomers == 1, NoPrivilegeMessage());
}

void mainFrm::mnuRoomList_Click()
{
    openGuarded(QStringLiteral("frmRoomList"), State().mRightRoomList == 1, NoPrivilegeMessage());
}

void mainFrm::mnuCustomerHistoryList_Click()
{
    openGuarded(QStringLiteral("frmCustomersHistory"), State().mRightCustomers == 1, NoPrivilegeMessage());
}

void mainFrm::mnuReport_Click()
{
    openGuarded(QStringLiteral("frmStats"), State().mRightReport == 1, NoPrivilegeMessage());
}

void mainFrm::mnuAdministration_Click()
{
    openGuarded(QStringLiteral("frmAdminArea"), State().mRightSettings == 1, NoPrivilegeMessage());
}

void mainFrm::mnuLog_Click()
{
    openGuarded(QStringLiteral("frmLog"), State().mRightReport == 1,
                QStringLiteral("Only user with Administrator privileges can view logs"));
}

void mainFrm::taxEditor_Click()
{
    ResumeNext([&] {
        const auto &state = State();
        if (state.mLoggedIn && TaxRightGranted())
            ShowWindow(QStringLiteral("frmTax"), ui::vbModeless);
        else if (state.mLoggedIn)
            ui::MsgBox(NoPrivilegeMessage(), ui::vbInformation);
        else if (TaxRightGranted())   // kept from the last login of this run
            showLoginWindow();
        else
            ui::MsgBox(NoPrivilegeMessage(), ui::vbInformation);
    });
}

void mainFrm::Toolbar1_ButtonClick(const QString &key)
{
    ResumeNext([&] {
        if (!State().mLoggedIn) {
            showLoginWindow();
            return;
        }
        for (const ToolbarButton &button : ToolbarButtons) {
            if (key == QLatin1String(button.key)) {
                (this->*button.handler)();
                return;
            }
        }
    });
}

// --- Log in and out ------------------------------------------------------------------

void mainFrm::mnuLoginLogOut_Click()
{
    if (!State().mLoggedIn) {
        ResumeNext([&] { showLoginWindow(); });
        return;
    }
    logOut();
}

void mainFrm::logOut()
{
    auto &state = State();
    ResumeNext([&] {
        ExecuteSQL(LogoutLogSql(state.mUserName, SessionEnd::LoggedOut), SqlAction::Insert);
    });
    ResumeNext([&] { state.mLoggedIn = false; });
    ResumeNext([&] {
        mnuLoginLogOut->setText(QStringLiteral("Log in"));
        SetPanelText(1, NotLoggedIn);
        mnuChangeMyPassword->setVisible(false);
    });
    ResumeNext([] { ui::MsgBox(QStringLiteral("Successfully Logged Out!"), ui::vbInformation); });
    ResumeNext([&] { unloadChildWindows(); });
    // Windows of their own that carry a right go too: nobody holds it now.
    ResumeNext([] { CloseWindowsWithoutRight(); });
}

// These three have no handler of their own; an error must still not leave the event loop.
void mainFrm::mnuChangeMyPassword_Click()
{
    ResumeNext([] { ShowWindow(QStringLiteral("ModifyPassword"), ui::vbModeless); });
}

void mainFrm::mnuAbout_Click()
{
    ResumeNext([] { ShowWindow(QStringLiteral("frmAbout"), ui::vbModal); });
}

// --- Child windows -------------------------------------------------------------------

void mainFrm::mnuCascade_Click()
{
    ResumeNext([&] { CascadeChildWindows(*mdiArea_); });
}

void mainFrm::mnuTileHorizontal_Click()
{
    ResumeNext([&] { TileChildWindows(*mdiArea_, Qt::Vertical); });
}

void mainFrm::mnuTileVertical_Click()
{
    ResumeNext([&] { TileChildWindows(*mdiArea_, Qt::Horizontal); });
}

void mainFrm::RefreshWindowList()
{
    for (QAction *entry : std::as_const(windowList_)) {
        mnuWin->removeAction(entry);
        entry->deleteLater();
    }
    windowList_.clear();
    const QList<QMdiSubWindow *> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    QMdiSubWindow *active = mdiArea_->activeSubWindow();
    int number = 0;
    for (QMdiSubWindow *window : windows) {
        if (!window->isVisible() && !window->isMinimized())
            continue;
        ++number;
        // The number is the entry's access key; an "&" of the caption shows as itself.
        QString caption = window->windowTitle();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *entry = mnuWin->addAction(QStringLiteral("&%1 %2").arg(number).arg(caption));
        entry->setCheckable(true);
        entry->setChecked(window == active);
        QPointer<QMdiSubWindow> target(window);
        core::ConnectHandler(entry, &QAction::triggered, this, [this, target] {
            if (target)
                mdiArea_->setActiveSubWindow(target);
        });
        windowList_ << entry;
    }
    windowListSeparator_->setVisible(!windowList_.isEmpty());
}

// --- Help ----------------------------------------------------------------------------

void mainFrm::mnuOnlineHelp_Click()
{
    ResumeNext([] { ui::ShellOpen(SupportPage()); });
}

void mainFrm::mnuOpenHelp_Click()
{
    ResumeNext([] {
        const QString file = vb::NativePath(vb::AppPath() + QStringLiteral("\\help.chm"));
        if (QFileInfo::exists(file))
            ui::ShellOpen(file);
    });
}

} // namespace core
