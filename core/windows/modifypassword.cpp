#include "core/windows/modifypassword.h"

#include "core/crypto/programkey.h"
#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/login/loginstatements.h"
#include "core/state/connecthandler.h"
#include "core/ui/balloonhint.h"
#include "core/ui/passwordbox.h"
#include "core/ui/windowkit.h"
#include "ui/dialogs.h"
#include "vb/text.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace core {

ModifyPassword::ModifyPassword() : ui::Form(Name, ui::FormKind::MdiChild)
{
    SetCaption(QStringLiteral(" Modify Password"));

    Frame1 = new QGroupBox(QStringLiteral("Modify Password"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto field = [this](QLabel *&label, const char *labelName, const QString &caption, QLineEdit *&box,
                        const char *boxName, bool secret) {
        label = new QLabel(caption, Frame1);
        label->setObjectName(QString::fromLatin1(labelName));
        box = new QLineEdit(Frame1);
        box->setObjectName(QString::fromLatin1(boxName));
        if (secret)
            MakePasswordBox(box);
        box->installEventFilter(this);
    };
    field(Label1, "Label1", QStringLiteral("User Name : "), txtUserName, "txtUserName", false);
    field(Label2, "Label2", QStringLiteral("Password : "), txtPassWord, "txtPassWord", true);
    field(Label3, "Label3", QStringLiteral("New Password : "), txtNewPassWord, "txtNewPassWord", true);
    Line1 = new QFrame(Frame1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Frame1->installEventFilter(this);

    auto *fields = new QGridLayout(Frame1);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(txtUserName, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(txtPassWord, 1, 1);
    fields->addWidget(Line1, 2, 0, 1, 2);
    fields->addWidget(Label3, 3, 0);
    fields->addWidget(txtNewPassWord, 3, 1);

    Command1 = new QPushButton(QStringLiteral("&Modify"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(90);
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &ModifyPassword::Command1_Click);
    SetDefaultButton(*this, Command1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    resize(340, sizeHint().height());
}

void ModifyPassword::Command1_Click()
{
    if (txtUserName->text().isEmpty()) {
        ShowBalloonHint(tip_, txtUserName, QStringLiteral("Please Enter Username"),
                        QStringLiteral("Please Enter User Name!"));
        return;
    }
    if (txtPassWord->text().isEmpty()) {
        ShowBalloonHint(tip_, txtPassWord, QStringLiteral("Please Enter Password"),
                        QStringLiteral("Please Enter Password!"));
        return;
    }
    if (txtNewPassWord->text().isEmpty()) {
        ShowBalloonHint(tip_, txtNewPassWord, QStringLiteral("Please Enter NEW Password"),
                        QStringLiteral("Please Enter NEW Password!"));
        return;
    }
    if (!CheckUserPassword(txtUserName->text(), txtPassWord->text())) {
        ui::MsgBox(QStringLiteral("Wrong Username or password! Password not changed!"), ui::vbCritical);
        return;
    }
    const QString enciphered = crypto_.Encrypt(txtNewPassWord->text(), ProgramKey(), true, CCrypto::RC2);
    if (enciphered.isEmpty())
        return;   // the encryption has reported its failure; an empty password would lock the account
    const bool changed = ExecuteSQL(PasswordUpdateSql(enciphered, txtUserName->text()), SqlAction::Update);
    // The statement layer has reported a failed update: the old password still holds.
    if (!changed)
        return;
    ui::MsgBox(QStringLiteral("Password succesfully changed!"), ui::vbInformation, QStringLiteral("Password changed"));
    Unload();
}

bool ModifyPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress
        && (watched == Frame1 || watched == txtUserName || watched == txtPassWord || watched == txtNewPassWord))
        RunGuarded([this] { tip_.Destroy(); });
    return ui::Form::eventFilter(watched, event);
}

void ModifyPassword::mousePressEvent(QMouseEvent *event)
{
    RunGuarded([this] { tip_.Destroy(); });   // Form_Click
    ui::Form::mousePressEvent(event);
}

} // namespace core
