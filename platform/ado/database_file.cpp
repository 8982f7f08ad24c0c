#include "ado/database_file.h"

#include "ado/errors.h"
#include "ado/sqlcipher.h"

#include <QFile>
#include <QFileInfo>

namespace ado {

void CreateDatabaseFile(const QString &path, const QString &password)
{
    if (QFileInfo::exists(path))
        throw vb::Error(E_FAIL_UNSPECIFIED, QStringLiteral("Database already exists."), JetSource);
    prepareSqlcipher();
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray key = password.toUtf8();
        sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
        // SQLCipher writes nothing until the first change; this writes the keyed first page.
        rc = sqlite3_exec(db, "PRAGMA user_version = 1", nullptr, nullptr, nullptr);
    }
    const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    sqlite3_close_v2(db);
    if (rc != SQLITE_OK) {
        QFile::remove(path);
        throw vb::Error(E_FAIL_UNSPECIFIED, message, JetSource);
    }
}

} // namespace ado
