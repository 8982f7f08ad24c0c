#pragma once
// Internal: what a connection needs of a database engine. Statements arrive in the Access dialect;
// failures are vb::Errors with the provider's numbers.
#include "ado/result_table.h"

#include <memory>

namespace ado {

class Engine {
public:
    virtual ~Engine() = default;

    // Runs one statement. When it gives rows and `wantRows` holds, returns them all; otherwise null.
    virtual std::unique_ptr<ResultTable> run(const QString &accessSql, bool wantRows) = 0;
    // Rows inserted, updated or deleted by the last run (matched rows for an update); 0 for
    // statements that change no rows (queries, CREATE and DROP TABLE).
    virtual long rowsAffected() const = 0;

    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
};

} // namespace ado
