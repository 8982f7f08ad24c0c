#pragma once
// Internal: a MySQL/MariaDB database through unixODBC; the connection text goes to the driver manager
// as it stands. Results are read whole into memory (what a client-side cursor gives).
#include "ado/engine.h"
#include "ado/odbc_statement.h"

#include <QString>
#include <functional>

namespace ado {

class OdbcEngine final : public Engine {
public:
    // Connects; `userId` and `password`, when given, are added to the text. Raises &H80004005 with the
    // driver's message when the server cannot be reached or refuses the login. A server that does
    // not answer fails after the timeouts.
    static std::unique_ptr<OdbcEngine> open(const QString &connectionText, const QString &userId,
                                            const QString &password, const Timeouts &timeouts);
    ~OdbcEngine() override;

    std::unique_ptr<ResultTable> run(const QString &accessSql, bool wantRows) override;
    long rowsAffected() const override { return rowsAffected_; }
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

private:
    OdbcEngine(const QString &connectionText, const Timeouts &timeouts);
    void connect();
    void disconnect();
    void reconnectWhenLost();
    void reviveBeforeChange();
    bool failedAtOnce(qint64 elapsedMs) const;
    void reconnectingOnce(bool repeatable, const std::function<void()> &attempt);
    std::unique_ptr<ResultTable> runStatements(const QStringList &statements, bool wantRows);
    void endTransaction(short completion);

    QString connectionText_;
    Timeouts timeouts_;
    OdbcHandle<SQL_HANDLE_ENV> env_;
    OdbcHandle<SQL_HANDLE_DBC> dbc_;   // goes before the environment it was made in
    bool connected_ = false;
    bool inTransaction_ = false;
    OdbcHealth health_;
    long rowsAffected_ = 0;
};

} // namespace ado
