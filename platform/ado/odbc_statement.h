#pragma once
// Internal to the ODBC engine: the driver's diagnostics as the provider's errors, and a statement
// handle whose failures note what they tell of the connection.
#include "ado/errors.h"

#include <sql.h>

#include <QString>
#include <memory>

namespace ado {

// What failures told of the connection: it is gone (the server stopped, restarted, or did not
// answer in time), or the server rolled the open transaction back (a deadlock's victim).
struct OdbcHealth {
    bool lost = false;
    bool transactionEnded = false;
};

struct OdbcDiagnostic {
    QString state;
    QString message;
    long native = 0;
};

// An ODBC handle of one kind, freed with it when its owner goes.
template <SQLSMALLINT Kind> struct OdbcHandleFree {
    void operator()(SQLHANDLE handle) const { SQLFreeHandle(Kind, handle); }
};
template <SQLSMALLINT Kind> using OdbcHandle = std::unique_ptr<void, OdbcHandleFree<Kind>>;

// The first diagnostic record of a handle.
OdbcDiagnostic DiagnosticOf(SQLSMALLINT handleType, SQLHANDLE handle);
// Whether the connection cannot go on after this failure.
bool ConnectionLost(const OdbcDiagnostic &diag);
// The error with the provider's number for the diagnostic's SQLSTATE.
ProviderError ErrorOf(const OdbcDiagnostic &diag);
// Raises the error of a failed call on `handle`, noting in `health` what it tells of the connection.
[[noreturn]] void FailNoting(OdbcHealth &health, SQLSMALLINT handleType, SQLHANDLE handle);

// A text as the wide-character calls take it.
inline SQLWCHAR *Wide(const QString &text)
{
    static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC with 16-bit SQLWCHAR expected");
    return reinterpret_cast<SQLWCHAR *>(const_cast<char16_t *>(reinterpret_cast<const char16_t *>(text.utf16())));
}

class StatementHandle {
public:
    StatementHandle(SQLHDBC dbc, OdbcHealth &health);
    SQLHSTMT get() const { return stmt_.get(); }
    // Raises the statement's error unless `rc` tells of success or of no data.
    void check(SQLRETURN rc) const;
    [[noreturn]] void fail() const;

private:
    OdbcHealth &health_;
    OdbcHandle<SQL_HANDLE_STMT> stmt_;
};

} // namespace ado
