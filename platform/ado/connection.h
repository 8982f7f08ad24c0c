#pragma once
// An ADO-like connection. It opens the two connection texts of the statement layer as they stand:
//   Access: "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<file>;...;Jet OLEDB:Database Password=<pw>"
//           an SQLCipher file keyed with the password (never created here);
//   MySQL:  "uid=..;pwd=..;server=..;driver={MySQL ODBC 3.51 Driver};database=..;..."
//           handed to unixODBC unchanged.
// Statements are written in the Access dialect and translated for the engine (ado/sql_translator.h).
// Failures are vb::Errors with the provider's numbers (ado/errors.h).
//
// Waits are bounded as ADO bounds them: ConnectionTimeout (15 s) for reaching a MySQL server,
// CommandTimeout (30 s) for each statement's answer; both are read when the connection opens.
// A database file held by another program is waited for at most LockWaitSeconds (or the
// command timeout when that is shorter). A MySQL connection that was lost (the server stopped,
// restarted or timed out) is opened again by the next statement outside a transaction.
#include "ado/engine.h"

#include <QString>
#include <memory>

namespace ado {

enum ObjectStateEnum : long { adStateClosed = 0, adStateOpen = 1 };
enum CursorLocationEnum : long { adUseServer = 2, adUseClient = 3 };

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Raises 3705 when already open; the engine's error when the database cannot be opened.
    // After a failed Open, using the connection raises 3709 with that error's text added.
    void Open(const QString &connectionString, const QString &userId = QString(), const QString &password = QString());
    // Raises 3704 when not open. An unfinished transaction is rolled back.
    void Close();
    long State() const;

    // Runs a statement that changes data; a result set that comes back is discarded. 3709 when closed.
    // `recordsAffected`, when given, receives the number of rows the statement inserted, updated
    // (matched) or deleted, so that a change that found no row can be told from one that took effect.
    void Execute(const QString &commandText, long *recordsAffected = nullptr);

    // Every result is read whole into memory, so the location is only remembered.
    long CursorLocation() const { return cursorLocation_; }
    void SetCursorLocation(long location) { cursorLocation_ = location; }

    // Seconds; 0 waits without a limit. Set before Open.
    long ConnectionTimeout() const { return timeouts_.connectSeconds; }
    void SetConnectionTimeout(long seconds) { timeouts_.connectSeconds = seconds; }
    long CommandTimeout() const { return timeouts_.commandSeconds; }
    void SetCommandTimeout(long seconds) { timeouts_.commandSeconds = seconds; }
    static constexpr long LockWaitSeconds = 5;

    // One level of transaction: BeginTrans gives 1; Commit and Rollback without one raise an error.
    // The transaction writes: it takes the database's write lock at its start (waiting for it as
    // for any lock). CommitTrans and RollbackTrans end it even when they fail: a failed commit is
    // rolled back, and its error raised.
    long BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return inTransaction_; }

private:
    friend class Recordset;
    void openEngine(const QString &connectionString, const QString &userId, const QString &password);
    // Runs a statement; its rows when it gives any, else null.
    std::unique_ptr<ResultTable> query(const QString &commandText);
    Engine &engine();
    long lockWait() const;

    std::unique_ptr<Engine> engine_;
    // Why the last Open failed (the driver's or the file's own words), told again by every use
    // of the closed connection until it opens or is closed.
    QString openFailure_;
    long cursorLocation_ = adUseServer;
    Timeouts timeouts_;
    bool inTransaction_ = false;
};

} // namespace ado
