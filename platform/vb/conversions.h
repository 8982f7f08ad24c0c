#pragma once
// The conversion functions with the runtime's errors: 13 Type mismatch, 6 Overflow, 94 Invalid use of Null.
// Texts are read in the current locale (vb/locale.h): group separators and the currency sign are accepted.
#include "vb/variant.h"

namespace vb {

QString CStr(const Variant &v);          // Null raises 94; Empty gives ""; a Date gives its default text
int16_t CInt(const Variant &v);          // halves to even; out of range raises 6
int32_t CLng(const Variant &v);          // halves to even
double CDbl(const Variant &v);
Currency CCur(const Variant &v);         // four decimals, halves to even
Date CDate(const Variant &v);            // text in the locale's date forms, or a number
bool CBool(const Variant &v);            // numbers (0 = False), "True"/"False" texts
Variant CVar(const Variant &v);

// Numeric value of a text for the conversions above: parses in the locale, raises 13 when not numeric.
double ParseNumber(const QString &text);

bool IsNumeric(const Variant &v);        // Empty is numeric; "" and Null are not
bool IsDate(const Variant &v);
bool IsNull(const Variant &v);
bool IsEmpty(const Variant &v);

// Val: the leading number of a text, '.' as the decimal point, blanks skipped, &H/&O prefixes; never fails.
double Val(const QString &text);

// Int and Fix as the runtime has them (Int rounds down, Fix toward zero).
double Int(double v);
double Fix(double v);

} // namespace vb
