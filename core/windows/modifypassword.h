#pragma once
// Changes the stored password of the account whose name and current password are typed,
// whoever is logged in. A child window of the main window.
#include "core/crypto/ccrypto.h"
#include "core/ui/cballoontooltip.h"
#include "ui/form.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace core {

class ModifyPassword : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("ModifyPassword");

    ModifyPassword();

    QGroupBox *Frame1;   // "Modify Password"
    QLabel *Label1;   // "User Name : "
    QLineEdit *txtUserName;
    QLabel *Label2;   // "Password : "
    QLineEdit *txtPassWord;
    QLabel *Label3;   // "New Password : "
    QLineEdit *txtNewPassWord;
    QFrame *Line1;
    QPushButton *Command1;   // "&Modify"

    void Command1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    CBalloonToolTip tip_;
    CCrypto crypto_;
};

} // namespace core
