#pragma once
// The login module: credentials checks against tbl_users (passwords compared in their
// stored, enciphered form, never deciphered), the reader of the hotel information, and
// the texts and cleaning the windows share.
#include <QString>

namespace core {

// tbl_HotelInfo row 1 into mHotelName, mHotelPhoneNo, mHotelFaxNo, mHotelAddress and
// mOrderSign. A Null column or a missing row ends it there with an error for the caller.
void ReadHotelInfo();

// Checks the login window's user name and password. On success: mLoginChecked, the
// rights and mUserName from the row, the hotel information again and the login row of
// the activity log. Errors go to the caller.
bool CheckLogin();
// The same check and rights, without hotel information or log row; reports its own
// errors ("GL0003") and then gives False.
bool CheckLoginQuiet();
// True when the account exists and the password matches; changes nothing. Reports its own
// errors ("GL0003") and then gives False.
bool CheckUserPassword(const QString &user, const QString &password);

// The text without any "'" or "#".
QString StripQuotesAndHash(const QString &text);

// "You do not have sufficient privileges to access this section. "
QString NoPrivilegeMessage();

// mRightTax = 1, as every test of the tax right compares it (Empty and Null are not 1).
bool TaxRightGranted();

} // namespace core
