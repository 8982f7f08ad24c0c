#pragma once
// Internal: an open SQLite connection as the opening steps of the installed hooks see it
// (ado/statement_hooks.h).
#include "ado/statement_hooks.h"

struct sqlite3;

namespace ado {

class SqliteEmbeddedFile final : public EmbeddedFile {
public:
    explicit SqliteEmbeddedFile(sqlite3 *db) : db_(db) {}

    bool exec(const QString &sql) override;
    QStringList column(const QString &sql) override;
    int number(const QString &sql) override;

private:
    sqlite3 *db_;
};

} // namespace ado
