#pragma once
// Pointing a program folder back at its embedded database file.
#include <QString>

namespace hoteldb {

struct EmbeddedSetupResult {
    QString path;          // the file the program opens now
    bool created = false;  // the default data.mdb was made, as the set-up makes it
};

// The file config.ini names ("db"), or data.mdb in the folder; that default is made when
// missing. Raises a Refusal, leaving config.ini as it was, when a named file is missing or
// the file does not open with config.ini's database password.
EmbeddedSetupResult PointAtEmbeddedFile(const QString &folder);

} // namespace hoteldb
