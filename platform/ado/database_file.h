#pragma once
// Making a new, empty "Access database": an SQLCipher file keyed with the database password.
#include <QString>

namespace ado {

// Creates the file; raises &H80004005 when it exists already or cannot be written.
void CreateDatabaseFile(const QString &path, const QString &password);

} // namespace ado
