#pragma once
// The statement layer: reads the database settings from config.ini, opens the one
// connection mConn, runs statements and queries, records every statement in mLastSQL and
// routes its own failures: error &H80004005 to a plain message box, any other to the
// database settings window, opened modally. Both are reached through hooks that the window
// side installs, so that this layer knows no widget.
//
// ExecuteSQL and OpenRecordset return as if they had succeeded, as callers always relied
// on; their result says whether the statement took effect, for callers that must stop or
// roll back.
#include <QString>
#include <functional>
#include <memory>

namespace ado {
class Connection;
class Recordset;
}

namespace core {

// The built-in password of the Access database file.
inline const QString DefaultDbPassword = QStringLiteral("640917");

// The four variants of ExecuteSQL differ only in the error code they report.
enum class SqlAction {
    Delete,   // "DB0002": deleting rows and dropping tables
    Insert,   // "DB0003"
    Update,   // "DB0004"
    Create,   // "DB0005": creating the per-room and per-order tables
};
QString SqlActionCode(SqlAction action);

// The decrypted "dbkey", or "" when it is empty or missing.
QString ReadDbKey();
// Fills mDBPassword (when "dbkey" is set), mUseSQL, mSQLHost, mSQLDBName, mSQLUserName and
// mSQLPassWord; returns "db". A missing or non-numeric "useSQL" raises a conversion error.
QString ReadDbSettings();
// Reads the settings and opens mConn (closing it first when open); errors go to the caller.
// The data layer gets the per-order tables' store first (schema/food_order_store.h).
void OpenDatabase();

// `recordsAffected`, when given, receives the rows the statement changed (0 after a failure).
bool ExecuteSQL(const QString &sql, SqlAction action, long *recordsAffected = nullptr);
// Creating a table whose name was drawn (a food order's item table, named after its id).
enum class DrawnTable {
    Created,
    Taken,    // the table is there already: another workstation drew the same name
    Failed,   // reported as ExecuteSQL reports a failed "DB0005"
};
// Runs the CREATE TABLE as ExecuteSQL's "DB0005" variant does, except when it fails because
// `table` is there already: a look-up before the CREATE cannot see another workstation creating
// the same name a moment later, so the CREATE's own failure is the test. That case is reported
// to no one, and the caller draws another name.
DrawnTable CreateDrawnTable(const QString &createSql, const QString &table);

// Opens a query and hands back its rows: the caller owns them, so a loop over them may run
// other statements (which replace the shared mRS) and keep its own rows. The recordset also
// becomes the shared mRS, for the code that reads it there. Null when the query failed (the
// failure is already routed; mRS then holds a closed recordset, whose use raises 3704).
//
//     const auto rooms = core::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Rooms"));
//     if (!rooms)
//         return;
//     for (; !rooms->IsEOF(); rooms->MoveNext())
//         ...   // may call OpenRecordset again
std::shared_ptr<ado::Recordset> OpenRecordset(const QString &sql);
void CloseRecordset();
// The rows OpenRecordset handed back, for code that reads them without looking at the failure
// first: a query that failed has none, and reading them raises 3704, as a closed recordset does.
// Keep the pointer while the reference is used.
ado::Recordset &Rows(const std::shared_ptr<ado::Recordset> &rows);

// Tells, on the connection opened again, whether a change is stored; raises a vb::Error when it
// cannot look (changelookup.h has the quiet queries to build it from).
using ChangeLookup = std::function<bool()>;

// Runs a group of statements all or nothing: begun on the open connection (taking the
// database's write lock, waited for as a statement waits), rolled back unless committed.
// Without an open connection it does nothing, and the statements fail on their own; inside
// another transaction the statements join that one. Beginning and committing raise the
// engine's error (and make it the last statement text of the error report); a commit that
// fails has rolled everything back, and no transaction stays open, so the next action starts
// clean.
//
// A commit whose answer is lost (the connection broke after it was sent) may have been made.
// Commit then looks the change up with `stored` on a new connection: found, the commit stands
// and Commit returns as after any commit; not found, the commit's error is raised, and the
// caller may tidy up what the change needed; when it cannot be looked up either, Commit raises
// ado::UnknownOutcome, and the caller undoes nothing.
class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void Commit(const ChangeLookup &stored);

private:
    // The connection it was begun on (a reopened connection holds none of it).
    std::shared_ptr<ado::Connection> connection_;
};

// Runs a step that tidies up after a failed change (drops a table the change needed), past its
// own errors; the error report keeps showing the statement that failed.
void TidyAfterFailure(const std::function<void()> &step);

// The database settings window, reached through these hooks so that this layer does not
// depend on the window (which itself calls OpenDatabase).
struct DatabaseSettingsWindow {
    std::function<bool()> isVisible;
    std::function<void()> showModal;
};
void SetDatabaseSettingsWindow(DatabaseSettingsWindow window);

// The plain message box of error &H80004005 ("Error Code : DB0003", a line break and the
// engine's words), installed by core/ui/failuremessage.h. Without it the failure is only traced.
void SetFailureMessageBox(std::function<void(const QString &text)> show);

} // namespace core
