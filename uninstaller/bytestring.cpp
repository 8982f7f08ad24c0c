#include "bytestring.h"

#include <algorithm>

namespace uninst {

char UpperCaseByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 'a' && value <= 'z')
        return char(value - 32);
    if (value == 0xE5 || value == 0xE4 || value == 0xF6)
        return char(value - 32);
    return byte;
}

void ByteString::upperCase()
{
    for (char &byte : bytes_)
        byte = UpperCaseByte(byte);
}

ByteString ByteString::upperCased() const
{
    ByteString copy = *this;
    copy.upperCase();
    return copy;
}

bool ByteString::equals(const ByteString &other, bool exact) const
{
    if (exact)
        return bytes_ == other.bytes_;
    return upperCased().bytes_ == other.upperCased().bytes_;
}

void ByteString::erase(int64_t position, int64_t count)
{
    if (position < 0 || count < 0 || position + count > length())
        return;
    bytes_.erase(size_t(position), size_t(count));
}

void ByteString::removeOccurrences(const ByteString &pattern, int64_t start, int most, bool exact)
{
    int removed = 0;
    for (int64_t at = find(pattern, start, exact); at >= 0; at = find(pattern, at, exact)) {
        erase(at, pattern.length());
        if (most > 0 && ++removed >= most)
            break;
    }
}

void ByteString::insert(const ByteString &text, int64_t position)
{
    if (position < 0 || position > length())
        return;
    bytes_.insert(size_t(position), text.bytes_);
}

int64_t ByteString::findByte(char byte, int64_t start) const
{
    if (start < 0 || start >= length())
        return -1;
    const size_t at = bytes_.find(byte, size_t(start));
    return at == std::string::npos ? -1 : int64_t(at);
}

int64_t ByteString::find(const ByteString &pattern, int64_t start, bool exact) const
{
    if (pattern.isEmpty() || start < 0 || start >= length() || pattern.length() > length() - start)
        return -1;
    if (!exact)
        return upperCased().find(pattern.upperCased(), start, true);
    const size_t at = bytes_.find(pattern.bytes_, size_t(start));
    return at == std::string::npos ? -1 : int64_t(at);
}

int64_t ByteString::findLast(const ByteString &pattern, int64_t start, bool exact) const
{
    if (pattern.isEmpty() || pattern.length() > length() || start < 0)
        return -1;
    if (!exact)
        return upperCased().findLast(pattern.upperCased(), start, true);
    const size_t from = start == 0 ? std::string::npos : size_t(start);
    const size_t at = bytes_.rfind(pattern.bytes_, from);
    return at == std::string::npos ? -1 : int64_t(at);
}

int ByteString::byteAt(int64_t index) const
{
    if (index < 0 || index >= length())
        return -1;
    return static_cast<unsigned char>(bytes_[size_t(index)]);
}

int64_t ByteString::readU16(int64_t index) const
{
    if (index < 0 || index + 1 >= length())
        return -1;
    return (int64_t(byteAt(index)) << 8) | byteAt(index + 1);
}

int64_t ByteString::readU32(int64_t index) const
{
    if (index < 0 || index + 3 >= length())
        return -1;
    return (int64_t(byteAt(index)) << 24) | (int64_t(byteAt(index + 1)) << 16)
           | (int64_t(byteAt(index + 2)) << 8) | byteAt(index + 3);
}

ByteString ByteString::readLine(int64_t *position, bool keepNul) const
{
    if (!position)
        return ByteString("Invalid param");
    if (*position < 0 || *position > length())
        return ByteString("Out of bounds");
    const int64_t start = *position;
    const size_t end = bytes_.find("\r\n", size_t(start));
    ByteString line;
    if (end == std::string::npos) {
        line = ByteString(bytes_.substr(size_t(start)));
        *position = length();
    } else {
        line = ByteString(bytes_.substr(size_t(start), end - size_t(start)));
        *position = int64_t(end) + 2;
    }
    return keepNul ? line : line.untilNul();
}

ByteString ByteString::substring(int64_t start, int64_t count) const
{
    if (start < 0 || count < 0 || start + count > length())
        return *this;
    return ByteString(bytes_.substr(size_t(start), size_t(count)));
}

ByteString ByteString::untilNul() const
{
    const size_t nul = bytes_.find('\0');
    return nul == std::string::npos ? *this : ByteString(bytes_.substr(0, nul));
}

} // namespace uninst
