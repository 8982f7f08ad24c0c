#pragma once
// Internal: the "Access database": an SQLCipher file whose key is the database password. It is never
// created here; opening a missing file fails as Jet does.
#include "ado/engine.h"
#include "ado/sql_translator.h"

#include <QElapsedTimer>
#include <QString>
#include <functional>

struct sqlite3;

namespace ado {

class SqliteEngine final : public Engine {
public:
    // Opens an existing database file with its password; raises the provider's errors. A file
    // that another connection holds is waited for at most `lockWaitSeconds` per statement.
    static std::unique_ptr<SqliteEngine> open(const QString &path, const QString &password, long lockWaitSeconds);
    ~SqliteEngine() override;

    std::unique_ptr<ResultTable> run(const QString &accessSql, bool wantRows) override;
    long rowsAffected() const override { return rowsAffected_; }
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

private:
    SqliteEngine(const QString &path, const QString &password, long lockWaitSeconds);
    // Opens the file and runs the installed hooks' opening steps on it (ado/statement_hooks.h).
    void connect();
    void openHandle();
    void reconnect();
    void runAsOne(const std::function<void()> &statements);
    // Runs one statement, compiled and started again (a bounded number of times) when another
    // connection changed the schema meanwhile.
    void runStatement(const EngineStatement &statement, bool wantRows, std::unique_ptr<ResultTable> &result);
    void runOnce(const QByteArray &sql, EngineStatement::Role role, bool wantRows, std::unique_ptr<ResultTable> &result);
    void checkTransactionAlive();
    static int waitForLock(void *context, int attempt);

    // How long a locked file is waited for, and since when (the busy handler's state).
    struct LockWait {
        qint64 milliseconds = 0;
        QElapsedTimer clock;
    };

    QString path_;
    QByteArray key_;
    LockWait lockWait_;
    sqlite3 *db_ = nullptr;
    bool inTransaction_ = false;
    long rowsAffected_ = 0;
};

} // namespace ado
