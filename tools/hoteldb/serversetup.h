#pragma once
// Putting a hotel on a MariaDB/MySQL server: the database (made when missing), every table the
// program expects with the hotel information row, and a check that the account has every right
// the program uses. Nothing that was there before is changed.
#include "tools/hoteldb/serveraccount.h"

#include <QStringList>

#include <functional>

namespace hoteldb {

enum class ExistingTables {
    Refuse,   // a database that holds any of the hotel's tables is refused
    Keep,     // a database that holds all of them is kept as it is (another workstation's hotel)
};

struct ServerSetupResult {
    bool createdDatabase = false;
    bool createdTables = false;   // false: the tables were there and kept
};

// Raises a Refusal, with nothing of its own left behind, when the server cannot be reached or
// refuses the account, does not take the database name, names tables with regard to case,
// already holds the hotel's tables (or, when keeping them, only some), or when the account
// lacks a right the program needs. Everything that can be checked is checked before the
// database or a table is made. `settle` runs last, once the tables stand (config.ini is
// written there); when it raises a Refusal, what this run made is dropped again.
ServerSetupResult PutHotelOnServer(const ServerAccount &account, ExistingTables existing,
                                   const std::function<void()> &settle);

} // namespace hoteldb
