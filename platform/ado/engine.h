#pragma once
// Internal: what a connection needs of a database engine. Statements arrive in the Access dialect;
// failures are vb::Errors with the provider's numbers.
#include "ado/result_table.h"

#include <memory>

namespace ado {

// How long the engine may wait, in seconds; 0 waits without a limit.
struct Timeouts {
    long connectSeconds = 15;   // reaching the server
    long commandSeconds = 30;   // one statement, its answer included
};

class Engine {
public:
    virtual ~Engine() = default;

    // Runs one statement. When it gives rows and `wantRows` holds, returns them all; otherwise null.
    virtual std::unique_ptr<ResultTable> run(const QString &accessSql, bool wantRows) = 0;
    // Rows inserted, updated or deleted by the last run (matched rows for an update); 0 for
    // statements that change no rows (queries, CREATE and DROP TABLE).
    virtual long rowsAffected() const = 0;

    // A transaction that writes: it holds the right to write from its start, so that two writers
    // never each wait for the other.
    virtual void beginTransaction() = 0;
    // Whether they succeed or fail, commit and rollback leave no transaction open: a commit that
    // fails is rolled back before its error is raised.
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
};

} // namespace ado
