#pragma once
// The floor of the list benchmarks: every row of a table read as text with the raw sqlite3 API
// of SQLCipher, keyed with the built-in password, as fast as the file can be read.
#include "ado/sqlcipher.h"
#include "schema/schema.h"

#include <QByteArray>
#include <QString>

namespace bench {

// Returns the rows read; the lengths of their texts are added to `characters`, so that the
// reading cannot be optimised away.
inline qint64 WalkRawTable(const QString &path, const char *table, qint64 &characters)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray key = schema::BuiltInPassword.toUtf8();
    sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, QByteArray("SELECT * FROM ").append(table).constData(), -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    qint64 rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, i));
            characters += QString::fromUtf8(text, sqlite3_column_bytes(stmt, i)).size();
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return rows;
}

} // namespace bench
