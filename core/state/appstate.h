#pragma once
// The program-wide state record: one instance for the whole run, read and written only on
// the user-interface thread. Every field starts empty, False or without an object.
//
// The record is made of parts, one per concern; each field keeps its own name, so
// State().mUserName reads as before, and a procedure that only needs one part can take that
// part (`const LoggedInUser &`).
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

// Who is logged in, with the rights read from tbl_users.
struct LoggedInUser {
    bool mLoggedIn = false;
    QString mUserName;
    int16_t mRightSettings = 0;
    int16_t mRightRoomList = 0;
    vb::Variant mRightTax;   // the column value as read; Empty before the first login
    int16_t mRightCustomers = 0;
    int16_t mRightReport = 0;
    bool mLoginChecked = false;   // a credentials check has succeeded at least once this run
};

// tbl_HotelInfo row 1, as the bills and the order numbers show it.
struct HotelInformation {
    QString mHotelName;
    QString mHotelPhoneNo;
    QString mHotelFaxNo;
    QString mHotelAddress;
    QString mOrderSign;
};

// Where the data lives (from config.ini), the one connection and the shared result set.
struct DatabaseSettings {
    int16_t mUseSQL = 0;
    QString mDBPath;
    QString mDBPassword;
    QString mSQLHost;
    QString mSQLDBName;
    QString mSQLUserName;
    QString mSQLPassWord;

    std::shared_ptr<ado::Connection> mConn;
    std::shared_ptr<ado::Recordset> mRS;
};

// What the error report window shows: the last error text and the last statement sent.
struct ErrorTrail {
    QString mLastError;
    QString mLastSQL;
};

// What one window leaves for another.
struct WindowHandOffs {
    QPointer<QWidget> mTipTarget;   // the text box a balloon hint points at
    bool mBookingOpen = false;
    QString mHistoryCustomerNo;   // the former guest the booking window fills in
};

struct AppState : LoggedInUser, HotelInformation, DatabaseSettings, ErrorTrail, WindowHandOffs {};

// The one state record of the program.
AppState &State();

// Test support: back to a fresh record (the connection and result set are released).
void ResetState();

} // namespace core
