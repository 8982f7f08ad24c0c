#pragma once
// The secrets never appear in what hotel-db prints, not even inside a server's message.
#include "tools/hoteldb/serveraccount.h"

#include <QString>

namespace hoteldb {

// The password masked where it stands as a whole value, not where its letters happen to be part
// of a longer word (a password "e" leaves "The server" readable, and so does not tell itself by
// what it garbled); the user name masked where the server quotes it ('name').
QString WithoutSecrets(const QString &text, const ServerAccount &account);

} // namespace hoteldb
