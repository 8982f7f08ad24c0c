#pragma once
#include <QString>

namespace core {

// The key every caller hands to CCrypto: nine decimal digits, built from a number at each
// call so that the key never stands in the program as a text.
QString ProgramKey();

} // namespace core
