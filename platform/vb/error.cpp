#include "vb/error.h"

namespace vb {

Error::Error(long number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source)),
      what_(QStringLiteral("Run-time error %1: %2").arg(number).arg(description_).toStdString())
{
}

QString Error::standardDescription(long number)
{
    switch (number) {
    case errInvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case errOverflow: return QStringLiteral("Overflow");
    case errSubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case errDivisionByZero: return QStringLiteral("Division by zero");
    case errTypeMismatch: return QStringLiteral("Type mismatch");
    case errPathFileAccess: return QStringLiteral("Path/File access error");
    case errPathNotFound: return QStringLiteral("Path not found");
    case errInvalidUseOfNull: return QStringLiteral("Invalid use of Null");
    case errObjectRequired: return QStringLiteral("Object required");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

Error Error::standard(long number, const QString &source)
{
    return Error(number, standardDescription(number), source);
}

} // namespace vb
