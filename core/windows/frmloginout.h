#pragma once
// The login window, a child of the main window. With an empty user table it creates the
// master account instead (every right), and logs that account in.
#include "core/crypto/ccrypto.h"
#include "core/ui/cballoontooltip.h"
#include "ui/form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace core {

class frmLogInOut : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmLogInOut");

    frmLogInOut();

    QGroupBox *Frame1;   // "Existing user log in"
    QLabel *Label1;   // "Username : "
    QLineEdit *txtUserName;
    QLabel *Label2;   // "Password : "
    QLineEdit *txtPassWord;
    QPushButton *Command1;   // "Log &In" ("Create" for the master account)
    QLabel *loginLabel;
    QLabel *Image1;   // shown to log in
    QLabel *Image2;   // shown to create the master account

    // The button, and Enter in either box: logs in, or creates the master account.
    void Command1_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtPassWord_Change();
    void createMasterAccount(const QString &name, const QString &password);
    void logIn(const QString &name);

    CBalloonToolTip tip_;
    CCrypto crypto_;
    QString masterPassword_;   // the master account's password, enciphered
};

} // namespace core
