#include "textcodec.h"

namespace uninst {

namespace {

bool isContinuation(int byte) { return byte >= 0 && (byte & 0xC0) == 0x80; }

// One decoding walk; false when the whole text is refused.
bool decode(const unsigned char *bytes, int64_t length, std::u16string *out)
{
    int64_t i = 0;
    auto byteAt = [&](int64_t index) -> int {
        if (length >= 0)
            return index < length ? bytes[index] : -1;
        return bytes[index];   // NUL-terminated: the walk stops at the NUL before passing it
    };
    auto atEnd = [&](int64_t index) { return length >= 0 ? index >= length : bytes[index] == 0; };
    while (!atEnd(i)) {
        const int lead = byteAt(i);
        if (lead < 0x80) {
            out->push_back(char16_t(lead));
            ++i;
            continue;
        }
        int needed = 0;
        uint32_t value = 0;
        if ((lead & 0xE0) == 0xC0) {
            needed = 1;
            value = uint32_t(lead & 0x1F);
        } else if ((lead & 0xF0) == 0xE0) {
            needed = 2;
            value = uint32_t(lead & 0x0F);
        }
        // Count the continuation bytes that follow, up to the number the lead asks for.
        int continuations = 0;
        while (continuations < needed && !atEnd(i + 1 + continuations)
               && isContinuation(byteAt(i + 1 + continuations)))
            ++continuations;
        // A given length that ends inside the sequence refuses the whole text.
        if (needed > 0 && continuations < needed && length >= 0 && i + 1 + continuations >= length)
            return false;
        const bool sequence = needed > 0 && continuations == needed;
        if (!sequence) {
            out->push_back(char16_t(lead));   // Latin-1 fallback
            ++i;
            continue;
        }
        for (int k = 1; k <= needed; ++k)
            value = (value << 6) | uint32_t(byteAt(i + k) & 0x3F);
        const bool overlong = (needed == 1 && value < 0x80) || (needed == 2 && value < 0x800);
        if (overlong || (value >= 0xD800 && value <= 0xDFFF) || value == 0xFFFE || value == 0xFFFF)
            return false;
        out->push_back(char16_t(value));
        i += needed + 1;
    }
    return true;
}

} // namespace

std::u16string Utf8ToWide(const char *bytes, int64_t length)
{
    std::u16string text;
    if (!bytes)
        return text;
    if (!decode(reinterpret_cast<const unsigned char *>(bytes), length, &text))
        text.clear();
    return text;
}

std::u16string Utf8ToWide(const ByteString &text)
{
    return Utf8ToWide(text.data(), text.length());
}

ByteString WideToUtf8(const std::u16string &text)
{
    ByteString out;
    for (const char16_t unit : text) {
        const auto value = uint32_t(unit);
        if (value < 0x80) {
            out.append(char(value));
        } else if (value < 0x800) {
            out.append(char(0xC0 | (value >> 6)));
            out.append(char(0x80 | (value & 0x3F)));
        } else {
            out.append(char(0xE0 | (value >> 12)));
            out.append(char(0x80 | ((value >> 6) & 0x3F)));
            out.append(char(0x80 | (value & 0x3F)));
        }
    }
    return out;
}

bool ReplaceFirstPlaceholder(ByteString *text, const ByteString &replacement)
{
    const int64_t at = text->find("%s");
    if (at < 0)
        return false;
    text->erase(at, 2);
    text->insert(replacement, at);
    return true;
}

} // namespace uninst
