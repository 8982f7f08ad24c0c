#pragma once
// The check that a benchmark's file holds the schema objects the program makes (tables,
// indexes, triggers), nothing else: a benchmark measures the program's file, not one of its own.
#include "ado/connection.h"
#include "rawdb.h"
#include "schema/schema.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace bench {

inline QString AccessText(const QString &path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False;"
                          "Jet OLEDB:Database Password=%2")
        .arg(path, schema::BuiltInPassword);
}

// The schema objects of a file (type, name and definition, one text each), sorted.
inline QStringList SchemaObjects(const QString &path)
{
    RawDatabase db(path);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db.handle(),
                       "SELECT type || ' ' || name || ': ' || ifnull(sql, '') FROM sqlite_master "
                       "WHERE name <> 'sqlite_sequence' ORDER BY type, name",
                       -1, &stmt, nullptr);
    QStringList objects;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        objects << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return objects;
}

// Ends the benchmark unless `path` holds exactly the schema objects that the program makes: the
// default data.mdb's, and those of `programStatements` (the program's own CREATE TABLEs of
// the tables it makes at run time). Prints the count it checked.
inline void CheckSchemaAsTheProgramMakes(const QString &path, const QStringList &programStatements, const QString &scratch)
{
    const QString reference = QDir(scratch).filePath(QStringLiteral("reference-schema.mdb"));
    QFile::remove(reference);
    schema::MakeDefaultDatabase(reference);
    {
        ado::Connection conn;
        conn.Open(AccessText(reference));
        for (const QString &statement : programStatements)
            conn.Execute(statement);
    }
    const QStringList expected = SchemaObjects(reference);
    const QStringList found = SchemaObjects(path);
    QFile::remove(reference);
    if (found != expected) {
        std::fprintf(stderr, "the benchmark's file does not hold the program's schema:\n");
        for (const QString &object : found) {
            if (!expected.contains(object))
                std::fprintf(stderr, "  more: %s\n", qPrintable(object.left(200)));
        }
        for (const QString &object : expected) {
            if (!found.contains(object))
                std::fprintf(stderr, "  missing: %s\n", qPrintable(object.left(200)));
        }
        std::exit(1);
    }
    int triggers = 0;
    for (const QString &object : found)
        triggers += object.startsWith(QLatin1String("trigger ")) ? 1 : 0;
    std::printf("schema: %lld objects, as the program makes them (%d triggers)\n", static_cast<long long>(found.size()),
                triggers);
}

} // namespace bench
