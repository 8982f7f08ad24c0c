#pragma once
// The database settings window: opened modally by the statement layer when the database
// cannot be used, it shows the last error and statement, lets the user correct the Access
// file and password (or shows the stored MySQL server), writes config.ini and opens the
// connection again.
#include "core/db/configini.h"
#include "ui/form.h"

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace core {

class CBalloonToolTip;
class CCrypto;

class frmDBLocateTool : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmDBLocateTool");

    frmDBLocateTool();
    ~frmDBLocateTool() override;

    QLabel *Label1;
    QLabel *Label5;   // "Database Error :"
    QPlainTextEdit *Text2;
    QGroupBox *Frame1;   // "Database Error"
    QLabel *Label2;   // "File Location"
    QLineEdit *Text1;
    QPushButton *Command1;   // "Browse"
    QLabel *Label6;   // "Password (leave blank to use default)"
    QLineEdit *txtDBpass;
    QCheckBox *Check1;   // tri-state and always disabled: shows the stored "UseSQL"
    QLabel *Label3;   // " Host Name"
    QLineEdit *txtSQLHost;
    QLabel *Label4;   // "DB Name"
    QLineEdit *txtSQLDBName;
    QLabel *lbusername;
    QLineEdit *txtSQLUserName;
    QLabel *lbpassword;
    QLineEdit *txtSQLPassWord;
    QPushButton *Command2;   // "&Save"

    // Check1 as a number: 0 unticked (Access), 1 ticked (MySQL), 2 grey.
    int Check1Value() const;
    // Raises "Invalid property value" (380) for any other number.
    void SetCheck1Value(int value);

protected:
    void Form_Load() override;

private:
    void buildLayout();
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();

    // Saving, by the engine the check box shows; false when a check failed.
    bool saveAccess();
    bool saveMySql();
    // A balloon hint on the box and the focus there when it is empty.
    bool isMissing(QLineEdit *box, const QString &title, const QString &text);

    tarvolinkini::_INI &ini();
    CBalloonToolTip &tip();
    CCrypto &crypto();

    IniObject ini_;
    std::unique_ptr<CBalloonToolTip> tip_;
    std::unique_ptr<CCrypto> crypto_;
};

// Makes frmDBLocateTool the window the statement layer opens after a failure.
void InstallDatabaseSettingsWindow();

} // namespace core
