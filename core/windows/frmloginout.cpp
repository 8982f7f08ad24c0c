#include "core/windows/frmloginout.h"

#include "core/crypto/programkey.h"
#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/login/loginstatements.h"
#include "core/mainwindow/addbadge.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/mainfrm.h"
#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/rightguard.h"
#include "core/state/runhandler.h"
#include "core/ui/balloonhint.h"
#include "core/ui/columnfit.h"
#include "core/ui/passwordbox.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "vb/error.h"
#include "vb/text.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace core {

namespace {

const QString WrongCredentials = QStringLiteral("Username Or Password Don not match");

// A padlock for logging in, a figure with a plus for the new account.
QPixmap modePicture(bool creating)
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    if (creating) {
        p.setBrush(QColor(70, 120, 200));
        p.drawEllipse(QRectF(9, 4, 16, 16));
        p.drawChord(QRectF(2, 22, 30, 26), 0, 180 * 16);
        DrawAddBadge(p, QPointF(37, 33), 18, 12, 3);
    } else {
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(13, 4, 22, 26), 0, 180 * 16);
        p.drawLine(QPointF(13, 17), QPointF(13, 22));
        p.drawLine(QPointF(35, 17), QPointF(35, 22));
        p.setBrush(QColor(220, 170, 40));
        p.drawRoundedRect(QRectF(7, 21, 34, 24), 3, 3);
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(QRectF(21, 28, 6, 6));
        p.drawRect(QRectF(23, 33, 2, 6));
    }
    return pixmap;
}

void setLoggedInLook(const QString &name)
{
    if (mainFrm *main = ui::Forms::Find<mainFrm>()) {
        main->SetPanelText(1, QStringLiteral("Logged In as ") + name);
        main->mnuChangeMyPassword->setVisible(true);
    }
}

void setLogOutCaption()
{
    if (mainFrm *main = ui::Forms::Find<mainFrm>())
        main->mnuLoginLogOut->setText(QStringLiteral("Log Out"));
}

} // namespace

frmLogInOut::frmLogInOut() : ui::Form(Name, ui::FormKind::MdiChild)
{
    SetCaption(QStringLiteral("Login/LogOut"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(modePicture(false));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(modePicture(true));
    Image2->hide();
    loginLabel = new QLabel(
        QStringLiteral("You are not logged in or you do not have permission to access this Program."), this);
    loginLabel->setObjectName(QStringLiteral("loginLabel"));
    loginLabel->setWordWrap(true);
    auto *heading = new QHBoxLayout;
    heading->addWidget(Image1, 0, Qt::AlignTop);
    heading->addWidget(Image2, 0, Qt::AlignTop);
    heading->addWidget(loginLabel, 1);

    Frame1 = new QGroupBox(QStringLiteral("Existing user log in"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = new QLabel(QStringLiteral("Username : "), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtUserName = new QLineEdit(Frame1);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    core::FitToColumn(txtUserName, QStringLiteral("tbl_users"), QStringLiteral("cusername"));
    Label2 = new QLabel(QStringLiteral("Password : "), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtPassWord = new QLineEdit(Frame1);
    txtPassWord->setObjectName(QStringLiteral("txtPassWord"));
    MakePasswordBox(txtPassWord);
    auto *fields = new QGridLayout(Frame1);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(txtUserName, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(txtPassWord, 1, 1);

    Command1 = new QPushButton(QStringLiteral("Log &In"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(90);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    const int width = 380;
    setFixedSize(width, layout->totalHeightForWidth(width));

    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmLogInOut::Command1_Click);
    core::ConnectHandler(txtUserName, &QLineEdit::returnPressed, this, &frmLogInOut::Command1_Click);
    core::ConnectHandler(txtPassWord, &QLineEdit::returnPressed, this, &frmLogInOut::Command1_Click);
    core::ConnectHandler(txtPassWord, &QLineEdit::textChanged, this, &frmLogInOut::txtPassWord_Change);
    txtUserName->installEventFilter(this);
    txtPassWord->installEventFilter(this);
}

void frmLogInOut::Form_Load()
{
    if (QMdiSubWindow *frame = SubWindow()) {
        // A fixed border: no maximising, no resizing.
        frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    RunHandler(QStringLiteral("FRLOG002"), ReportMode::Modeless, [&] {
        const bool creating = NoUserAccounts();
        if (creating) {
            loginLabel->setText(
                QStringLiteral("Master Account does not exist! Please create a new master login account."));
            SetCaption(QStringLiteral("Create Master Account"));
            Frame1->setTitle(QStringLiteral("Creat a New Account"));
            Command1->setText(QStringLiteral("Create"));
        } else {
            loginLabel->setText(QStringLiteral("Please login with your valid username and password to proceed."));
            SetCaption(QStringLiteral("Login"));
            Command1->setText(QStringLiteral("Login"));
        }
        Image2->setVisible(creating);
        Image1->setVisible(!creating);
    });
}

void frmLogInOut::Command1_Click()
{
    RunHandler(QStringLiteral("FRLOG001"), ReportMode::Modeless, [&] {
        // The account's name is the typed one without blanks around it, when it is made and
        // whenever it is looked up: a name of blanks alone is no name.
        const QString name = vb::Trim(txtUserName->text());
        const QString password = txtPassWord->text();
        if (name.isEmpty()) {
            ShowBalloonHint(tip_, txtUserName, QStringLiteral("Please Enter Username"),
                            QStringLiteral("Please Enter User Name!"));
            return;
        }
        if (password.isEmpty()) {
            ShowBalloonHint(tip_, txtPassWord, QStringLiteral("Please Enter Password"),
                            QStringLiteral("Please Enter Password!"));
            return;
        }
        if (NoUserAccounts())
            createMasterAccount(name, password);
        else
            logIn(name);
    });
    // Someone else, or nobody, may be logged in now.
    ResumeNext([] { CloseWindowsWithoutRight(); });
}

void frmLogInOut::createMasterAccount(const QString &name, const QString &password)
{
    masterPassword_ = crypto_.Encrypt(password, ProgramKey(), true, CCrypto::RC2);
    if (masterPassword_.isEmpty())
        return;   // the encryption has reported its failure; nobody could log in with that account
    const bool created = ExecuteSQL(MasterAccountInsertSql(name, masterPassword_), SqlAction::Insert);
    // The statement layer has reported a failed insert; without the account nobody is logged in.
    if (!created)
        return;
    setLoggedInLook(name);
    ui::MsgBox(QStringLiteral("Master account created. You are now logged in as ") + name, ui::vbInformation);
    State().mLoggedIn = true;
    CheckLoginQuiet();
    setLogOutCaption();
    Unload();
}

void frmLogInOut::logIn(const QString &name)
{
    auto &state = State();
    if (CheckLogin()) {
        state.mLoggedIn = true;
        setLogOutCaption();
        setLoggedInLook(name);
        ui::MsgBox(QStringLiteral("You are logged in as ") + name, ui::vbInformation);
        Unload();
        return;
    }
    if (!state.mLoginChecked) {
        // No login has succeeded yet in this run: the user may try again here.
        state.mLoggedIn = false;
        ui::MsgBox(WrongCredentials, ui::vbCritical, QStringLiteral("Wrong Username/Password"));
        return;
    }
    if (CheckLogin())
        return;
    state.mLoggedIn = false;
    ui::MsgBox(WrongCredentials, ui::vbCritical, QStringLiteral("Wrong Username/Password"));
    Unload();
}

void frmLogInOut::txtPassWord_Change()
{
    RunHandler(QStringLiteral("FRLOG003"), ReportMode::Modeless, [&] {
        tip_.Destroy();
    });
}

bool frmLogInOut::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == txtUserName || watched == txtPassWord) && event->type() == QEvent::MouseButtonPress)
        RunGuarded([this] { tip_.Destroy(); });
    return ui::Form::eventFilter(watched, event);
}

} // namespace core
