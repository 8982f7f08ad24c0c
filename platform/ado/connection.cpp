#include "ado/connection.h"

#include "ado/connection_text.h"
#include "ado/errors.h"
#include "ado/odbc_engine.h"
#include "ado/sqlite_engine.h"

namespace ado {

namespace {

bool isJetProvider(const QString &provider)
{
    return provider.startsWith(QLatin1String("Microsoft.Jet.OLEDB"), Qt::CaseInsensitive) ||
           provider.startsWith(QLatin1String("Microsoft.ACE.OLEDB"), Qt::CaseInsensitive);
}

} // namespace

Connection::Connection() = default;

// The longest wait for a database file that another program holds.
long Connection::lockWait() const
{
    const long command = timeouts_.commandSeconds;
    return command > 0 && command < LockWaitSeconds ? command : LockWaitSeconds;
}

Connection::~Connection()
{
    if (engine_ && inTransaction_) {
        try {
            engine_->rollbackTransaction();
        } catch (const vb::Error &) {
            // The connection goes away either way.
        }
    }
}

void Connection::Open(const QString &connectionString, const QString &userId, const QString &password)
{
    if (engine_)
        raiseAdoError(adErrObjectOpen, ConnectionSource);
    openFailure_.clear();
    try {
        openEngine(connectionString, userId, password);
    } catch (const vb::Error &error) {
        openFailure_ = error.Description();
        throw;
    }
    inTransaction_ = false;
}

void Connection::openEngine(const QString &connectionString, const QString &userId, const QString &password)
{
    const ConnectionText text(connectionString);
    const QString provider = text.value(QStringLiteral("Provider"));
    if (isJetProvider(provider)) {
        engine_ = SqliteEngine::open(text.value(QStringLiteral("Data Source")),
                                     text.value(QStringLiteral("Jet OLEDB:Database Password")), lockWait());
    } else if (provider.isEmpty() || provider.startsWith(QLatin1String("MSDASQL"), Qt::CaseInsensitive)) {
        // No provider means ODBC, as in ADO.
        engine_ = OdbcEngine::open(connectionString, userId, password, timeouts_);
    } else {
        raiseAdoError(adErrProviderNotFound, ConnectionSource);
    }
}

void Connection::Close()
{
    openFailure_.clear();
    if (!engine_)
        raiseAdoError(adErrObjectClosed, ConnectionSource);
    if (inTransaction_) {
        inTransaction_ = false;
        try {
            engine_->rollbackTransaction();
        } catch (const vb::Error &) {
            // Closing drops the transaction anyway.
        }
    }
    engine_.reset();
}

long Connection::State() const
{
    return engine_ ? adStateOpen : adStateClosed;
}

Engine &Connection::engine()
{
    if (engine_)
        return *engine_;
    vb::Error closed = adoError(adErrInvalidConnection, ConnectionSource);
    if (openFailure_.isEmpty())
        throw closed;
    throw vb::Error(closed.Number(), closed.Description() + QStringLiteral(" It could not be opened: ") + openFailure_,
                    closed.Source());
}

void Connection::Execute(const QString &commandText, long *recordsAffected)
{
    Engine &db = engine();
    db.run(commandText, false);
    if (recordsAffected)
        *recordsAffected = db.rowsAffected();
}

std::unique_ptr<ResultTable> Connection::query(const QString &commandText)
{
    return engine().run(commandText, true);
}

long Connection::BeginTrans()
{
    Engine &db = engine();
    if (inTransaction_)
        throw vb::Error(E_FAIL_UNSPECIFIED, QStringLiteral("A transaction is already active."), ConnectionSource);
    db.beginTransaction();
    inTransaction_ = true;
    return 1;
}

void Connection::CommitTrans()
{
    Engine &db = engine();
    if (!inTransaction_)
        throw vb::Error(E_NO_TRANSACTION, QStringLiteral("No transaction is active."), ConnectionSource);
    inTransaction_ = false;   // the engine ends it, rolled back when the commit fails
    db.commitTransaction();
}

void Connection::RollbackTrans()
{
    Engine &db = engine();
    if (!inTransaction_)
        throw vb::Error(E_NO_TRANSACTION, QStringLiteral("No transaction is active."), ConnectionSource);
    inTransaction_ = false;
    db.rollbackTransaction();
}

} // namespace ado
