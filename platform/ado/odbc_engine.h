#pragma once
// Internal: a MySQL/MariaDB database through unixODBC; the connection text goes to the driver manager
// as it stands. Results are read whole into memory (what a client-side cursor gives).
#include "ado/engine.h"

#include <QString>

namespace ado {

class OdbcEngine final : public Engine {
public:
    // Connects; `userId` and `password`, when given, are added to the text. Raises &H80004005 with the
    // driver's message when the server cannot be reached or refuses the login.
    static std::unique_ptr<OdbcEngine> open(const QString &connectionText, const QString &userId,
                                            const QString &password);
    ~OdbcEngine() override;

    std::unique_ptr<ResultTable> run(const QString &accessSql, bool wantRows) override;
    long rowsAffected() const override { return rowsAffected_; }
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

private:
    OdbcEngine();
    void endTransaction(short completion);

    void *env_ = nullptr;   // SQLHENV
    void *dbc_ = nullptr;   // SQLHDBC
    bool connected_ = false;
    long rowsAffected_ = 0;
};

} // namespace ado
