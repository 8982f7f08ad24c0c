#pragma once
// Run-time errors as the windows know them: a number, a description and a source.
#include <QString>
#include <cstdint>
#include <exception>
#include <string>

namespace vb {

// Error numbers the runtime raises itself.
enum ErrorNumber : long {
    errInvalidProcedureCall = 5,
    errOverflow = 6,
    errSubscriptOutOfRange = 9,
    errDivisionByZero = 11,
    errTypeMismatch = 13,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errObjectRequired = 424,
    errInvalidUseOfNull = 94,
};

// vbObjectError: the base the components add their own error offsets to.
constexpr long vbObjectError = static_cast<int32_t>(0x80040000);   // -2147221504, as on Windows

class Error : public std::exception {
public:
    Error(long number, QString description, QString source = QString());

    long Number() const { return number_; }
    const QString &Description() const { return description_; }
    const QString &Source() const { return source_; }
    const char *what() const noexcept override { return what_.c_str(); }

    // The standard description of a runtime error number ("Type mismatch", "Overflow", ...).
    static QString standardDescription(long number);
    // An error with the standard description of its number.
    static Error standard(long number, const QString &source = QString());

private:
    long number_;
    QString description_;
    QString source_;
    std::string what_;
};

} // namespace vb
