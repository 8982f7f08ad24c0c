// The user accounts tab: the account list with its rights, adding and removing an account,
// the list's popup menu and the user rights editor.
#include "backoffice/adminarea/frmadminarea.h"

#include "ado/recordset.h"
#include "backoffice/adminarea/accountguards.h"
#include "backoffice/adminarea/adminaids.h"
#include "backoffice/adminarea/sqlliteral.h"
#include "backoffice/adminarea/usereditfloat.h"
#include "backoffice/adminarea/userstatements.h"
#include "controls/popupmenu.h"
#include "controls/reportlist.h"
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QLineEdit>

namespace backoffice {

namespace {

// The rights columns of tbl_users, in the order of the list's columns.
const char *const RightColumns[] = {"cmodifysettings", "croomlist", "cmodifytax", "ccustomerviewedit",
                                    "canViewReport"};

QString yesNo(const vb::Variant &value)
{
    return !value.isNull() && vb::IsNumeric(value) && vb::CDbl(value) == 1 ? QStringLiteral("Yes")
                                                                           : QStringLiteral("No");
}

int16_t ticked(const QCheckBox *box) { return box->isChecked() ? 1 : 0; }

} // namespace

void frmAdminArea::UserListView()
{
    core::RunHandler(QStringLiteral("ADM0015"), core::ReportMode::Modal, [this] {
        UserList->clear();
        const auto users = core::OpenRecordset(UserListSql());
        if (!users)
            return;
        for (; !users->IsEOF(); users->MoveNext()) {
            if (IsBlank(users->Fields(0).Value()))
                continue;
            QList<QString> row{TextOf(users->Fields(QStringLiteral("cusername")).Value())};
            for (const char *column : RightColumns)
                row.append(yesNo(users->Fields(QString::fromLatin1(column)).Value()));
            row.append(TextOf(users->Fields(QStringLiteral("ID")).Value()));
            UserList->addRow(row);
        }
    });
}

void frmAdminArea::Command1_Click()
{
    core::RunHandler(QStringLiteral("ADM0005"), core::ReportMode::Modal, [this] {
        if (addUser())
            UserListView();
    });
}

// The checks, a confirmation, then the account and its log row as one change. False when
// nothing was asked (a hint shows what is missing).
bool frmAdminArea::addUser()
{
    const QString name = CleanTypedText(txtUserName->text());
    const QString password = CleanTypedText(txtPassWord->text());
    if (name.isEmpty()) {
        showHint(txtUserName, QStringLiteral("Please enter User Name"), QStringLiteral("Please Enter User Name!"));
        return false;
    }
    if (txtPassWord->text().isEmpty()) {
        showHint(txtPassWord, QStringLiteral("Please enter User Password"),
                 QStringLiteral("Please Enter User Password!"));
        return false;
    }
    if (ui::MsgBox(QStringLiteral("Add new user?"), ConfirmStyle, QStringLiteral("Add User")) != ui::vbYes)
        return false;
    const UserRights rights{ticked(CheckModifySettings), ticked(CheckCanViewRoomList), ticked(CheckCanAddModifyTax),
                            ticked(CheckCanViewEditCustomreList), ticked(canViewReport)};
    const auto existing = core::OpenRecordset(UserLookupSql(name));
    if (!existing)
        return true;
    if (existing->RecordCount() > 0) {
        ui::MsgBox(QStringLiteral("Username ") + name + QStringLiteral(" already exist!, Try another name."),
                   ui::vbInformation);
        return true;
    }
    const QString encrypted = crypto().Encrypt(password, core::ProgramKey(), true, core::CCrypto::RC2);
    core::Transaction transaction;
    if (core::ExecuteSQL(UserInsertSql(name, encrypted, rights), core::SqlAction::Insert) &&
        core::ExecuteSQL(UserCreatedLogSql(name, core::State().mUserName), core::SqlAction::Insert))
        transaction.Commit([&name] { return core::RowFound(UserLookupSql(name)); });
    return true;
}

void frmAdminArea::removeuserName()
{
    core::RunHandler(QStringLiteral("ADM0012"), core::ReportMode::Modal, [this] {
        const int row = UserList->listIndex();
        if (row < 1)
            return;
        const QString name = UserList->text(row);
        const long userId = RowKey(UserList, row, UserKeyColumn);
        if (!accountMayBeRemoved(userId, name))
            return;
        if (ui::MsgBox(QStringLiteral("Remove '") + name + QStringLiteral("' user from the record?"), ConfirmStyle,
                       QStringLiteral("Add User")) != ui::vbYes)
            return;
        core::OpenRecordset(UserDeleteSql(userId));
        UserListView();
    });
}

// The account in use, the master account and the last account that may change settings
// stay: removing one would lock the hotel out of its own administration.
bool frmAdminArea::accountMayBeRemoved(long userId, const QString &name)
{
    QString refusal;
    if (name == core::State().mUserName) {
        refusal = QStringLiteral("You are logged in as ") + name + QStringLiteral(". This account can not be removed.");
    } else {
        const auto account = core::OpenRecordset(UserByIdSql(userId));
        if (!account || account->IsEOF())
            return true;
        if (TextOf(account->Fields(QStringLiteral("cusertype")).Value()) == QLatin1String("1") ||
            yesNo(account->Fields(QStringLiteral("cmodifysettings")).Value()) == QLatin1String("Yes"))
            refusal = KeepsSettingsRight(userId);
    }
    if (refusal.isEmpty())
        return true;
    ui::MsgBox(refusal, ui::vbCritical, QStringLiteral("Brevant"));
    return false;
}

void frmAdminArea::UserList_ItemClick()
{
    const int row = UserList->listIndex();
    if (row >= 1)
        UserItemClicked = vb::CInt(vb::Variant(UserList->subItem(row, UserKeyColumn)));
}

void frmAdminArea::UserList_MouseDown(int button)
{
    if (button == 2)
        AGPopUp2->popUp();
}

void frmAdminArea::AGPopUp2_Click(const QString &itemName)
{
    if (itemName == QLatin1String("mnuRemoveUser"))
        removeuserName();
    else if (itemName == QLatin1String("mnuEditUser"))
        EditSelectedUser();
}

void frmAdminArea::EditSelectedUser()
{
    core::RunHandler(QStringLiteral("ADM0012"), core::ReportMode::Modal, [this] {
        if (UserList->listIndex() < 1)
            return;
        auto *editor = new UserEditFloat;
        const QPoint at = clickedPointTwips(UserList);
        editor->LoadIt(at.x(), at.y());
        editor->Show(ui::vbModal);
    });
}

} // namespace backoffice
