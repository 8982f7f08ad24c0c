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

ado::Recordset &resultSet()
{
    const auto &rs = State().mRS;
    if (!rs)
        throw vb::Error::standard(91);
    return *rs;
}

vb::Variant column(const char *name) { return resultSet().Fields(QString::fromLatin1(name)).Value(); }

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

void lookUp(const QString &name)
{
    OpenRecordset(UserLookupSql(name));
}

// A name is the same without the blanks around it, as the account was made and looked up;
// capitals still count. The row's columns are read before the typed password is enciphered:
// a missing row ends the check there.
bool rowMatches(const Credentials &typed)
{
    const vb::Variant storedName = column("cusername");
    const vb::Variant storedPassword = column("cpassword");
    const QString enciphered = loginCrypto().Encrypt(typed.password, ProgramKey(), true, CCrypto::RC2);
    return !storedName.isNull() && vb::Trim(vb::CStr(storedName)) == vb::Trim(typed.name)
           && textEquals(storedPassword, enciphered);
}

void loadRights()
{
    auto &state = State();
    state.mLoginChecked = true;
    state.mRightSettings = vb::CInt(column("cmodifysettings"));
    state.mRightRoomList = vb::CInt(column("croomlist"));
    state.mRightTax = column("cmodifytax");
    state.mRightCustomers = vb::CInt(column("ccustomerviewedit"));
    state.mRightReport = vb::CInt(column("canViewReport"));
    state.mUserName = vb::CStr(column("cusername"));
}

} // namespace

void ReadHotelInfo()
{
    OpenRecordset(HotelInfoSql());
    auto &state = State();
    state.mHotelName = vb::CStr(column("HotelName"));
    state.mHotelPhoneNo = vb::CStr(column("HotelPhoneNo"));
    state.mHotelFaxNo = vb::CStr(column("HotelFaxNo"));
    state.mHotelAddress = vb::CStr(column("HotelAddress"));
    state.mOrderSign = isOne(column("AddOrderSign")) ? QStringLiteral("#") : QString();
}

bool CheckLogin()
{
    const Credentials typed = typedInLoginWindow();
    lookUp(typed.name);
    if (resultSet().IsEOF() || !rowMatches(typed))
        return false;
    loadRights();
    ReadHotelInfo();
    ExecuteSQL(LoginLogSql(vb::Trim(typed.name), State().mUserName), SqlAction::Insert);
    return true;
}

bool CheckLoginQuiet()
{
    bool matched = false;
    RunHandler(QStringLiteral("GL0003"), ReportMode::Modeless, [&] {
        const Credentials typed = typedInLoginWindow();
        lookUp(typed.name);
        if (!rowMatches(typed))
            return;
        loadRights();
        matched = true;
    });
    return matched;
}

bool CheckUserPassword(const QString &user, const QString &password)
{
    bool matched = false;
    RunHandler(QStringLiteral("GL0003"), ReportMode::Modeless, [&] {
        lookUp(user);
        matched = !resultSet().IsEOF() && rowMatches({user, password});
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
