#pragma once
// The statements of the login, the password change and the main window's log-out, built
// without side effects so that they can be checked as text. Typed and stored texts pass
// through core::SqlText.
#include <QString>

namespace core {

// The account row of a user name. Names are trimmed on both sides of the comparison: an
// account stored with blanks around its name (as earlier versions let the master account
// be) is found by the name without them, and so is a name typed with them.
QString UserLookupSql(const QString &typedName);
// Every account name: is there any account at all?
QString UserNamesSql();
// The hotel's name, phone, fax, address and order sign (row 1).
QString HotelInfoSql();

// The first account, with every right.
QString MasterAccountInsertSql(const QString &name, const QString &encipheredPassword);
// A user's new password; the account is found as the lookup finds it.
QString PasswordUpdateSql(const QString &encipheredPassword, const QString &typedName);

// The log rows of logging in and out. `typedName` is the name as typed in the login window.
QString LoginLogSql(const QString &typedName, const QString &userName);
// How a session ended: logged out from the menu, or by closing the program.
enum class SessionEnd { LoggedOut, ProgramClosed };
QString LogoutLogSql(const QString &userName, SessionEnd end);

} // namespace core
