#pragma once
// The server password, taken from the environment or from standard input, never from the
// command line: a program's arguments are visible to every user of the machine (ps,
// /proc/<pid>/cmdline) and stay in the shell's history.
#include <QString>
#include <optional>

namespace hoteldb {

// The environment variable that may hold the password.
inline const char *const PasswordVariable = "HOTEL_DB_PASSWORD";

// $HOTEL_DB_PASSWORD when set; else one line of standard input (asked for without echo on a
// terminal). nullopt when standard input ends before a line.
std::optional<QString> ReadPassword(const QString &prompt);

} // namespace hoteldb
