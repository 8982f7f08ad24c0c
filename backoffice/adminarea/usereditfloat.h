#pragma once
// The user rights editor "User Prevelages Editor": a small modal window that sets the five
// rights of the account selected in the administration window's account list. The master
// account keeps its access to the administration area, and so does the last account that
// has it.
#include "backoffice/adminarea/floateditor.h"
#include "core/ui/elidinglabel.h"

#include <QString>
#include <cstdint>

class QCheckBox;
class QPushButton;

namespace backoffice {

class UserEditFloat : public FloatEditor {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("UserEditFloat");

    UserEditFloat();
    ~UserEditFloat() override;

    core::ElidingLabel *lbusername;
    QCheckBox *CheckModifySettings;
    QCheckBox *CheckCanViewRoomList;
    QCheckBox *CheckCanAddModifyTax;
    QCheckBox *CheckCanViewEditCustomreList;
    QCheckBox *canViewReport;
    QPushButton *Command1;   // "Modify"
    QPushButton *Command2;   // "Cancel"

    void CheckModifySettings_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void loadEditor() override;

private:
    void LoadUserRights();
    // The selected account's ID in the account list (0: none).
    long selectedUserId() const;
};

} // namespace backoffice
