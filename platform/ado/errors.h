#pragma once
// The error numbers of the data layer: the provider's HRESULTs (stored as the signed 32-bit value, as
// Err.Number shows them) and ADO's own numbers. The statement layer routes on these numbers.
#include "vb/error.h"

#include <QString>
#include <cstdint>

namespace ado {

constexpr long hresult(uint32_t value) { return static_cast<long>(static_cast<int32_t>(value)); }

// Provider errors.
constexpr long E_FAIL_UNSPECIFIED = hresult(0x80004005);   // constraint violations, unusable files
constexpr long E_SYNTAX = hresult(0x80040E14);             // DB_E_ERRORSINCOMMAND
constexpr long E_NO_TABLE = hresult(0x80040E37);           // DB_E_NOTABLE
constexpr long E_TYPE_MISMATCH = hresult(0x80040E07);      // DB_E_CANTCONVERTVALUE
constexpr long E_WRONG_PASSWORD = hresult(0x80040E4D);     // DB_SEC_E_AUTH_FAILED
constexpr long E_NO_VALUE = hresult(0x80040E10);           // DB_E_PARAMNOTOPTIONAL: an unknown name
constexpr long E_NO_TRANSACTION = hresult(0x8004D00E);     // XACT_E_NOTRANSACTION

// ADO's own errors.
constexpr long adErrNoCurrentRecord = 3021;
constexpr long adErrItemNotFound = 3265;
constexpr long adErrObjectClosed = 3704;
constexpr long adErrObjectOpen = 3705;
constexpr long adErrProviderNotFound = 3706;
constexpr long adErrInvalidConnection = 3709;

// Sources as the windows' error reports show them.
inline const QString JetSource = QStringLiteral("Microsoft JET Database Engine");
inline const QString OdbcSource = QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");
inline const QString ConnectionSource = QStringLiteral("ADODB.Connection");
inline const QString RecordsetSource = QStringLiteral("ADODB.Recordset");

// A failure the driver reported, with what ADO's Error object adds to it: the SQLSTATE and the
// server's own error number (MariaDB's 1045, 2003, ...), for a tool that explains the cause. The
// statement layer routes on Number() alone.
class ProviderError : public vb::Error {
public:
    ProviderError(long number, const QString &description, QString sqlState, long nativeError);
    const QString &SQLState() const { return sqlState_; }
    long NativeError() const { return nativeError_; }

private:
    QString sqlState_;
    long nativeError_;
};

// A change whose answer never came: the connection was lost after the change (or the commit of
// its transaction) went to the server, which may have made it or not. Nothing may be undone or
// sent again until the change has been looked up. Number, text and source are the lost
// connection's.
class UnknownOutcome : public vb::Error {
public:
    explicit UnknownOutcome(const vb::Error &lost);
    UnknownOutcome(const vb::Error &lost, const QString &description);
};

// ADO's own error with its standard text.
vb::Error adoError(long number, const QString &source);
[[noreturn]] void raiseAdoError(long number, const QString &source);

} // namespace ado
