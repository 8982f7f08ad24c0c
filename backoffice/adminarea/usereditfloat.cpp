#include "backoffice/adminarea/usereditfloat.h"

#include "ado/recordset.h"
#include "backoffice/adminarea/accountguards.h"
#include "backoffice/adminarea/adminaids.h"
#include "backoffice/adminarea/frmadminarea.h"
#include "backoffice/adminarea/userstatements.h"
#include "core/db/dbworks.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "core/ui/elidinglabel.h"
#include "core/ui/windowkit.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "vb/crlf.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace backoffice {

namespace {

frmAdminArea &adminArea() { return ui::Forms::Get<frmAdminArea>(); }

int16_t ticked(const QCheckBox *box) { return box->isChecked() ? 1 : 0; }

void setTicked(QCheckBox *box, const vb::Variant &value)
{
    box->setChecked(!value.isNull() && vb::Int(vb::CDbl(value)) == 1);
}

} // namespace

UserEditFloat::UserEditFloat() : FloatEditor(Name)
{
    SetCaption(QStringLiteral("User Prevelages Editor"));
    // A long user name is cut to the width the rights' boxes give the editor.
    lbusername = core::Named(new core::ElidingLabel(this), QStringLiteral("lbusername"));
    lbusername->setText(QStringLiteral("Username :"));
    CheckModifySettings = core::CheckBox(QStringLiteral("Access to Admin Area. Can Modify Settings"),
                                         QStringLiteral("CheckModifySettings"), this);
    CheckCanViewRoomList =
        core::CheckBox(QStringLiteral("Can View Room List"), QStringLiteral("CheckCanViewRoomList"), this);
    CheckCanAddModifyTax =
        core::CheckBox(QStringLiteral("Can Add/Modify Tax"), QStringLiteral("CheckCanAddModifyTax"), this);
    CheckCanViewEditCustomreList = core::CheckBox(QStringLiteral("Can View/Edit Customer List"),
                                                  QStringLiteral("CheckCanViewEditCustomreList"), this);
    canViewReport = core::CheckBox(QStringLiteral("Can View Reports"), QStringLiteral("canViewReport"), this);
    Command1 = core::Button(QStringLiteral("Modify"), QStringLiteral("Command1"), this);
    Command2 = core::Button(QStringLiteral("Cancel"), QStringLiteral("Command2"), this);

    auto *column = new QVBoxLayout(this);
    for (QWidget *field : std::initializer_list<QWidget *>{lbusername, CheckModifySettings, CheckCanViewRoomList,
                                                           CheckCanAddModifyTax, CheckCanViewEditCustomreList,
                                                           canViewReport})
        column->addWidget(field);
    column->addLayout(core::ButtonRow({Command1, Command2}));
    column->setSizeConstraint(QLayout::SetFixedSize);
    lbusername->setWidest(CheckModifySettings->sizeHint().width());

    core::ConnectHandler(CheckModifySettings, &QCheckBox::toggled, this, &UserEditFloat::CheckModifySettings_Click);
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &UserEditFloat::Command1_Click);
    core::ConnectHandler(Command2, &QPushButton::clicked, this, &UserEditFloat::Command2_Click);
    setDialogKeys(Command1);
}

UserEditFloat::~UserEditFloat() = default;

void UserEditFloat::loadEditor() { LoadUserRights(); }

long UserEditFloat::selectedUserId() const
{
    const controls::ReportList *users = adminArea().UserList;
    const int row = users->listIndex();
    return row < 1 ? 0 : RowKey(users, row, frmAdminArea::UserKeyColumn);
}

void UserEditFloat::LoadUserRights()
{
    const auto user = core::OpenRecordset(UserByIdSql(selectedUserId()));
    if (!user || user->IsEOF())
        return;
    lbusername->setText(QStringLiteral("User Name : ") + TextOf(user->Fields(QStringLiteral("cusername")).Value()));
    setTicked(CheckModifySettings, user->Fields(QStringLiteral("cmodifysettings")).Value());
    setTicked(CheckCanViewRoomList, user->Fields(QStringLiteral("croomlist")).Value());
    setTicked(CheckCanAddModifyTax, user->Fields(QStringLiteral("cmodifytax")).Value());
    setTicked(CheckCanViewEditCustomreList, user->Fields(QStringLiteral("ccustomerviewedit")).Value());
    setTicked(canViewReport, user->Fields(QStringLiteral("canViewReport")).Value());
}

void UserEditFloat::CheckModifySettings_Click()
{
    if (CheckModifySettings->isChecked())
        return;
    const long userId = selectedUserId();
    if (userId == 0)
        return;
    const QString refusal = KeepsSettingsRight(userId);
    if (refusal.isEmpty())
        return;
    {
        const QSignalBlocker blocker(CheckModifySettings);
        CheckModifySettings->setChecked(true);
    }
    ui::MsgBox(refusal, ui::vbCritical, QStringLiteral("Brevant"));
}

// A change that found no account (removed meanwhile) shows no success.
void UserEditFloat::Command1_Click()
{
    const long userId = selectedUserId();
    const UserRights rights{ticked(CheckModifySettings), ticked(CheckCanViewRoomList), ticked(CheckCanAddModifyTax),
                            ticked(CheckCanViewEditCustomreList), ticked(canViewReport)};
    long rows = 0;
    if (userId != 0 && core::ExecuteSQL(UserRightsUpdateSql(userId, rights), core::SqlAction::Update, &rows) &&
        rows > 0) {
        ui::MsgBox(QStringLiteral("Succesfully Modified User's privileges!") + vb::vbCrLf +
                       QStringLiteral("You need to restart the program after this change."),
                   ui::vbInformation, QStringLiteral("Brevant"));
        adminArea().UserListView();
    }
    Unload();
}

void UserEditFloat::Command2_Click() { Unload(); }

} // namespace backoffice
