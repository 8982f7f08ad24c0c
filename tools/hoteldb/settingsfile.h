#pragma once
// config.ini's section "settings" in a program folder, written as the program reads it: the
// MySQL user name and password enciphered with CCrypto under the program key.
#include "tools/hoteldb/serveraccount.h"

#include <QString>

namespace hoteldb {

// The folder's config.ini.
QString ConfigIniIn(const QString &folder);

// One value of the section, as the profile functions read it ("" when missing).
QString ReadSetting(const QString &folder, const QString &key);

// useSQL=1 with the server's host text, the database and the enciphered secrets. Raises a
// Refusal when the folder is missing or the file cannot be written.
void WriteServerSettings(const QString &folder, const ServerAccount &account);

// useSQL=0: the program opens the embedded file again ("db", or data.mdb in the folder).
void WriteEmbeddedSetting(const QString &folder);

// CCrypto's hex text of a secret and back, as the program stores config.ini's secrets.
QString Encipher(const QString &secret);
QString Decipher(const QString &stored);

} // namespace hoteldb
