#pragma once
// What the main-window tests share: task windows that only note that they were opened,
// accounts written behind the program's back, logging in through the real login window,
// and a probe for error reports.
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/mainwindow/mainfrm.h"
#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "core/state/windowregistry.h"
#include "core/windows/frmloginout.h"
#include "core/windows/modifypassword.h"
#include "support/corefixture.h"
#include "ui/forms.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>
#include <QStyle>

namespace mainwindowtesting {

// The main window opens the login and password windows by name, as the program registers them.
inline const bool LoginWindowsRegistered = [] {
    core::RegisterForm<core::frmLogInOut>();
    core::RegisterForm<core::ModifyPassword>();
    return true;
}();

// The task windows the main window opens by name.
inline const QStringList TaskWindows = {
    QStringLiteral("frmBooking"), QStringLiteral("frmFoodingBook"), QStringLiteral("frmCustomers"),
    QStringLiteral("frmRoomList"), QStringLiteral("frmCustomersHistory"), QStringLiteral("frmStats"),
    QStringLiteral("frmAdminArea"), QStringLiteral("frmTax"), QStringLiteral("frmLog"), QStringLiteral("frmAbout")};

// A child window standing in for a task window.
class TaskWindow : public ui::Form {
public:
    explicit TaskWindow(const QString &name, ui::FormKind kind = ui::FormKind::MdiChild) : ui::Form(name, kind)
    {
        SetCaption(name);
        resize(240, 160);
    }
};

// Registers every task window name; each opening is noted (name and mode) and, for the
// child windows, a real child window opens in the main window.
class OpenedWindows {
public:
    OpenedWindows()
    {
        for (const QString &name : TaskWindows) {
            core::RegisterWindow(name, [this, name](int mode) {
                opened << name;
                modes << mode;
                if (name != QLatin1String("frmAbout") && name != QLatin1String("frmTax")) {
                    auto *window = new TaskWindow(name);
                    window->Show(ui::vbModeless);
                }
            });
        }
    }
    QStringList opened;
    QList<int> modes;
};

struct ReportProbe {
    ReportProbe()
    {
        core::SetErrorReportPresenter([this](core::ReportMode mode) {
            modes << mode;
            errors << core::State().mLastError;
        });
    }
    ~ReportProbe() { core::SetErrorReportPresenter({}); }
    QList<core::ReportMode> modes;
    QStringList errors;
};

inline QString Encipher(const QString &password)
{
    core::CCrypto crypto;
    return crypto.Encrypt(password, core::ProgramKey(), true, core::CCrypto::RC2);
}

struct Rights {
    int settings = 1, roomList = 1, tax = 1, reports = 1, customers = 1;
};

inline void AddUser(testsupport::CoreFixture &fx, const QString &name, const QString &password, Rights r = {})
{
    fx.exec(QStringLiteral("INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, croomlist, cmodifytax, "
                           "canViewReport, ccustomerviewedit, cusertype) VALUES ('%1', '%2', %3, %4, %5, %6, %7, 0)")
                .arg(QString(name).replace(QLatin1Char('\''), QStringLiteral("''")), Encipher(password))
                .arg(r.settings)
                .arg(r.roomList)
                .arg(r.tax)
                .arg(r.reports)
                .arg(r.customers));
}

inline void ProcessDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline core::mainFrm &MainWindow() { return *ui::Forms::Find<core::mainFrm>(); }

// Types into the login window (opening it when needed) and presses its button.
inline void TypeLogin(const QString &name, const QString &password)
{
    auto &login = ui::Forms::Get<core::frmLogInOut>();
    login.Show(ui::vbModeless);
    login.txtUserName->setText(name);
    login.txtPassWord->setText(password);
    login.Command1_Click();
    ProcessDeletes();
}

// A box that hides what is typed behind one "*" a character.
inline bool ShowsStars(const QLineEdit *box)
{
    return box->echoMode() == QLineEdit::Password
           && box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, box) == '*';
}

inline QList<QMdiSubWindow *> ChildWindows() { return MainWindow().MdiArea()->subWindowList(); }

} // namespace mainwindowtesting
