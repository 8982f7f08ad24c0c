#include "ado/errors.h"

namespace ado {

namespace {

QString adoErrorText(long number)
{
    switch (number) {
    case adErrNoCurrentRecord:
        return QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                              "Requested operation requires a current record.");
    case adErrItemNotFound:
        return QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal.");
    case adErrObjectClosed:
        return QStringLiteral("Operation is not allowed when the object is closed.");
    case adErrObjectOpen:
        return QStringLiteral("Operation is not allowed when the object is open.");
    case adErrProviderNotFound:
        return QStringLiteral("Provider cannot be found. It may not be properly installed.");
    case adErrInvalidConnection:
        return QStringLiteral("The connection cannot be used to perform this operation. "
                              "It is either closed or invalid in this context.");
    default:
        return vb::Error::standardDescription(number);
    }
}

} // namespace

ProviderError::ProviderError(long number, const QString &description, QString sqlState, long nativeError)
    : vb::Error(number, description, OdbcSource), sqlState_(std::move(sqlState)), nativeError_(nativeError)
{
}

UnknownOutcome::UnknownOutcome(const vb::Error &lost) : UnknownOutcome(lost, lost.Description()) {}

UnknownOutcome::UnknownOutcome(const vb::Error &lost, const QString &description)
    : vb::Error(lost.Number(), description, lost.Source())
{
}

vb::Error adoError(long number, const QString &source) { return vb::Error(number, adoErrorText(number), source); }

void raiseAdoError(long number, const QString &source) { throw adoError(number, source); }

} // namespace ado
