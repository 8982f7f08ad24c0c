#pragma once
// The program-wide state record: one instance for the whole run, read and written only on
// the user-interface thread. Every field starts empty, False or without an object.
#include "vb/variant.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}

namespace core {

struct AppState {
    bool mLoggedIn = false;
    QString mUserName;

    // The logged-in user's rights, as read from tbl_users.
    int16_t mRightSettings = 0;
    int16_t mRightRoomList = 0;
    vb::Variant mRightTax;   // the column value as read; Empty before the first login
    int16_t mRightCustomers = 0;
    int16_t mRightReport = 0;
    bool mLoginChecked = false;   // a credentials check has succeeded at least once this run

    QString mHotelName;
    QString mHotelPhoneNo;
    QString mHotelFaxNo;
    QString mHotelAddress;
    QString mOrderSign;

    QString mLastError;
    QString mLastSQL;

    // Database settings.
    int16_t mUseSQL = 0;
    QString mDBPath;
    QString mDBPassword;
    QString mSQLHost;
    QString mSQLDBName;
    QString mSQLUserName;
    QString mSQLPassWord;

    std::shared_ptr<ado::Connection> mConn;
    std::shared_ptr<ado::Recordset> mRS;

    QPointer<QWidget> mTipTarget;   // the text box a balloon hint points at
    bool mBookingOpen = false;
    QString mHistoryCustomerNo;
};

// The one state record of the program.
AppState &State();

// Test support: back to a fresh record (the connection and result set are released).
void ResetState();

} // namespace core
