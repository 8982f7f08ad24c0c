#pragma once
// Variant: the value type of fields, conversions and many window procedures.
#include "vb/currency.h"
#include "vb/datetime.h"

#include <QString>
#include <cstdint>
#include <variant>

namespace vb {

// Same numbers as VarType.
enum class VarType : int {
    Empty = 0,
    Null = 1,
    Integer = 2,   // 16-bit
    Long = 3,      // 32-bit
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Boolean = 11,
};

struct NullTag { bool operator==(const NullTag &) const = default; };
inline constexpr NullTag Null{};

class Variant {
public:
    Variant() = default;                       // Empty
    Variant(NullTag) : value_(NullTag{}) {}
    Variant(bool b) : value_(b) {}
    Variant(int16_t i) : value_(i) {}
    Variant(int32_t l) : value_(l) {}
    Variant(double d) : value_(d) {}
    Variant(Currency c) : value_(c) {}
    Variant(Date d) : value_(d) {}
    Variant(const QString &s) : value_(s) {}
    Variant(const char *s) : value_(QString::fromUtf8(s)) {}

    VarType type() const;
    bool isEmpty() const { return value_.index() == 0; }
    bool isNull() const { return std::holds_alternative<NullTag>(value_); }

    // Direct access to the held value; the caller must know the type (else std::bad_variant_access).
    bool asBool() const { return std::get<bool>(value_); }
    int16_t asInteger() const { return std::get<int16_t>(value_); }
    int32_t asLong() const { return std::get<int32_t>(value_); }
    double asDouble() const { return std::get<double>(value_); }
    Currency asCurrency() const { return std::get<Currency>(value_); }
    Date asDate() const { return std::get<Date>(value_); }
    const QString &asString() const { return std::get<QString>(value_); }

    bool operator==(const Variant &) const = default;   // same type and same value

private:
    std::variant<std::monostate, NullTag, bool, int16_t, int32_t, double, Currency, Date, QString> value_;
};

} // namespace vb
