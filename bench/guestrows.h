#pragma once
// The guests the list benchmarks walk: `rows` current guests with every column filled, written
// with the booking window's statement through the program's own statement layer in one
// transaction. Guest numbers and names count from `first`, so that several fills do not meet.
#include "ado/connection.h"

#include <QString>

namespace bench {

inline void FillGuests(ado::Connection &conn, int rows, int first = 0)
{
    conn.BeginTrans();
    for (int i = first; i < first + rows; ++i) {
        conn.Execute(QStringLiteral(
            "INSERT INTO tbl_customers (cTitle,cFirstName,cLastName,cAddress,cPhone, cNoOfAdults, cNoOfMinors, "
            "cCheckInDate, cCheckOutDate, cNoOfDays, cRoomsRate, cTax, cGrandTotal, cAdvancePaid, cDue, "
            "cPaymentMethod, cPaymentMethodDetails, cRoomNameID, cRoomNamePrice, cAdditionalNote, cUniqueNo, "
            "cStatus) values ('%4','First%1','Last%1','%1 Long Road, Some Town','555-%1',2,1,#3/5/2009# , "
            "#3/%2/2009#,%2,%3.5,12.25,%3.75,100,%3.75,'Cash','VISA!*!s','101,102','150,150','note %1','AB%1',"
            "'Checked In')")
                         .arg(i)
                         .arg(i % 20 + 6)
                         .arg(i % 900 + 100)
                         .arg(i % 3 ? QStringLiteral("Mr.") : QStringLiteral("Mrs.")));
    }
    conn.CommitTrans();
}

} // namespace bench
