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

// Raises a Refusal, changing nothing, when the folder is missing or config.ini could not be
// written there (tried as a write would go, and given up before anything is replaced).
void RequireWritableSettings(const QString &folder);

// useSQL=1 with the server's host text, the database and the enciphered secrets. Raises a
// Refusal when the folder is missing or the file cannot be written, with config.ini as it was.
// The file is kept private (core::KeepSecretFilePrivate).
void WriteServerSettings(const QString &folder, const ServerAccount &account);

// useSQL=0: the program opens the embedded file again ("db", or data.mdb in the folder). The
// server's secrets stay, and the file stays private while it holds any.
void WriteEmbeddedSetting(const QString &folder);

// CCrypto's hex text of a secret and back, as the program stores config.ini's secrets.
QString Encipher(const QString &secret);
QString Decipher(const QString &stored);

} // namespace hoteldb
