#pragma once
// Globally unique identifiers of classes, interfaces and type libraries, written the
// registry's way: "{66DEA7BA-67AF-476D-B747-A28BF1F49843}".
#include <QString>
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace com {

struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    constexpr auto operator<=>(const Guid &) const = default;

    // Upper-case hexadecimal between braces, as the registry holds it.
    QString toString() const;
    // With or without the braces, hexadecimal digits in either case.
    static std::optional<Guid> parse(QStringView text);
};

namespace detail {

constexpr int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

constexpr std::optional<Guid> parseGuid(std::string_view text)
{
    if (text.size() == 38 && text.front() == '{' && text.back() == '}')
        text = text.substr(1, 36);
    if (text.size() != 36)
        return std::nullopt;
    // Positions of the hexadecimal digit pairs; the dashes sit at 8, 13, 18 and 23.
    constexpr int pairs[16] = {0, 2, 4, 6, 9, 11, 14, 16, 19, 21, 24, 26, 28, 30, 32, 34};
    for (int dash : {8, 13, 18, 23})
        if (text[dash] != '-')
            return std::nullopt;
    uint8_t bytes[16] = {};
    for (int i = 0; i < 16; ++i) {
        const int high = hexDigit(text[pairs[i]]);
        const int low = hexDigit(text[pairs[i] + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    Guid guid;
    guid.data1 = uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
    guid.data2 = static_cast<uint16_t>(bytes[4] << 8 | bytes[5]);
    guid.data3 = static_cast<uint16_t>(bytes[6] << 8 | bytes[7]);
    for (int i = 0; i < 8; ++i)
        guid.data4[i] = bytes[8 + i];
    return guid;
}

} // namespace detail

// An identifier written in the source; a malformed one does not compile.
consteval Guid MakeGuid(std::string_view text)
{
    const std::optional<Guid> guid = detail::parseGuid(text);
    if (!guid)
        throw "malformed GUID";
    return *guid;
}

} // namespace com
