#include "core/login/globallogin.h"

#include "ado/recordset.h"
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/dbworks.h"
#include "core/login/loginstatements.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "ui/forms.h"
#include "vb/conversions.h"
#include "vb/error.h"
#include "vb/text.h"

#include <QLineEdit>

namespace core {

namespace {

// The module's own CCrypto object, kept for the whole run.
CCrypto &loginCrypto()
{
    static auto *crypto = new CCrypto;
    return *crypto;
}

vb::Variant column(const ado::Recordset &row, const char *name)
{
    return row.Fields(QString::fromLatin1(name)).Value();
}

// A comparison with a Null column is not true, and raises nothing.
bool textEquals(const vb::Variant &value, const QString &text)
{
    return !value.isNull() && vb::CStr(value) == text;
}

bool isOne(const vb::Variant &value)
{
    return !value.isEmpty() && !value.isNull() && vb::IsNumeric(value) && vb::CDbl(value) == 1;
}

struct Credentials {
    QString name;
    QString password;
};

QString boxText(const QWidget &window, const char *box)
{
    const auto *edit = window.findChild<const QLineEdit *>(QLatin1String(box));
    return edit ? edit->text() : QString();
}

// The login window's two boxes, as typed. The window is reached by its name, so that the
// checks do not depend on the main window's library.
Credentials typedInLoginWindow()
{
    const ui::Form *window = ui::Forms::Find(QStringLiteral("frmLogInOut"));
    if (!window)
        return {};
    return {boxText(*window, "txtUserName"), boxText(*window, "txtPassWord")};
}

std::shared_ptr<ado::Recordset> lookUp(const QString &name)
{
    return OpenRecordset(UserLookupSql(name));
}

// A name is the same without the blanks around it, as the account was made and looked up;
// capitals still count. The row's columns are read before the typed password is enciphered:
// a missing row ends the check there.
bool rowMatches(const ado::Recordset &row, const Credentials &typed)
{
    const vb::Variant storedName = column(row, "cusername");
    const vb::Variant storedPassword = column(row, "cpassword");
    const QString enciphered = loginCrypto().Encrypt(typed.password, ProgramKey(), true, CCrypto::RC2);
    return !storedName.isNull() && vb::Trim(vb::CStr(storedName)) == vb::Trim(typed.name)
           && textEquals(storedPassword, enciphered);
}

void loadRights(const ado::Recordset &row)
{
    auto &state = State();
    state.mLoginChecked = true;
    state.mRightSettings = vb::CInt(column(row, "cmodifysettings"));
    state.mRightRoomList = vb::CInt(column(row, "croomlist"));
    state.mRightTax = column(row, "cmodifytax");
    state.mRightCustomers = vb::CInt(column(row, "ccustomerviewedit"));
    state.mRightReport = vb::CInt(column(row, "canViewReport"));
    state.mUserName = vb::CStr(column(row, "cusername"));
}

} // namespace

void ReadHotelInfo()
{
    const auto found = OpenRecordset(HotelInfoSql());
    const ado::Recordset &hotel = Rows(found);
    auto &state = State();
    state.mHotelName = vb::CStr(column(hotel, "HotelName"));
    state.mHotelPhoneNo = vb::CStr(column(hotel, "HotelPhoneNo"));
    state.mHotelFaxNo = vb::CStr(column(hotel, "HotelFaxNo"));
    state.mHotelAddress = vb::CStr(column(hotel, "HotelAddress"));
    state.mOrderSign = isOne(column(hotel, "AddOrderSign")) ? QStringLiteral("#") : QString();
}

bool CheckLogin()
{
    const Credentials typed = typedInLoginWindow();
    const auto found = lookUp(typed.name);
    const ado::Recordset &user = Rows(found);
    if (user.IsEOF() || !rowMatches(user, typed))
        return false;
    loadRights(user);
    ReadHotelInfo();
    ExecuteSQL(LoginLogSql(vb::Trim(typed.name), State().mUserName), SqlAction::Insert);
    return true;
}

bool CheckLoginQuiet()
{
    bool matched = false;
    RunHandler(QStringLiteral("GL0003"), ReportMode::Modeless, [&] {
        const Credentials typed = typedInLoginWindow();
        const auto found = lookUp(typed.name);
        const ado::Recordset &user = Rows(found);
        if (!rowMatches(user, typed))
            return;
        loadRights(user);
        matched = true;
    });
    return matched;
}

bool CheckUserPassword(const QString &user, const QString &password)
{
    bool matched = false;
    RunHandler(QStringLiteral("GL0003"), ReportMode::Modeless, [&] {
        const auto found = lookUp(user);
        const ado::Recordset &row = Rows(found);
        matched = !row.IsEOF() && rowMatches(row, {user, password});
    });
    return matched;
}

QString StripQuotesAndHash(const QString &text)
{
    QString stripped = text;
    stripped.remove(QLatin1Char('\''));
    stripped.remove(QLatin1Char('#'));
    return stripped;
}

QString NoPrivilegeMessage()
{
    return QStringLiteral("You do not have sufficient privileges to access this section. ");
}

bool TaxRightGranted() { return isOne(State().mRightTax); }

} // namespace core
