#pragma once
// Counted bytes that may hold NUL bytes: every text and data block of the uninstaller.
// Integers inside the uninstallation data are big-endian; reads past the end give -1 rather
// than touching memory that is not there. Plain C++ so that the data reader builds alone
// (the fuzz target links nothing else).
#include <cstdint>
#include <string>
#include <string_view>

namespace uninst {

class ByteString {
public:
    ByteString() = default;
    ByteString(const char *text) : bytes_(text ? text : "") {}
    ByteString(std::string bytes) : bytes_(std::move(bytes)) {}
    ByteString(std::string_view bytes) : bytes_(bytes) {}
    ByteString(const char *data, int64_t length) : bytes_(data, size_t(length)) {}

    int64_t length() const { return int64_t(bytes_.size()); }
    bool isEmpty() const { return bytes_.empty(); }
    const char *data() const { return bytes_.data(); }
    // NUL-terminated view (the bytes may hold further NULs inside).
    const char *cString() const { return bytes_.c_str(); }
    const std::string &bytes() const { return bytes_; }
    std::string_view view() const { return bytes_; }

    void append(char byte) { bytes_.push_back(byte); }
    void append(std::string_view bytes) { bytes_.append(bytes); }
    void append(const char *text) { bytes_.append(text); }
    void append(const ByteString &other) { bytes_.append(other.bytes_); }

    bool equals(const ByteString &other, bool exact) const;
    bool operator==(const ByteString &other) const { return bytes_ == other.bytes_; }

    // Removes `count` bytes at `position`; nothing when that passes the end.
    void erase(int64_t position, int64_t count);
    // Removes each occurrence of `pattern` from `start` on, at most `most` of them (0 = all).
    void removeOccurrences(const ByteString &pattern, int64_t start, int most, bool exact);
    // Inserts at `position`; nothing when the position passes the end.
    void insert(const ByteString &text, int64_t position);

    // Index of the first occurrence at or after `start`, or -1 (also for start >= length).
    int64_t findByte(char byte, int64_t start = 0) const;
    // -1 also for an empty pattern or one longer than what remains; inexact compares the
    // upper-cased forms.
    int64_t find(const ByteString &pattern, int64_t start = 0, bool exact = true) const;
    // Searches backwards for an occurrence starting at or before `start` (0 = from the end).
    int64_t findLast(const ByteString &pattern, int64_t start = 0, bool exact = true) const;

    // The byte (0..255), or -1 outside.
    int byteAt(int64_t index) const;
    // Big-endian values, or -1 when they do not lie wholly inside.
    int64_t readU16(int64_t index) const;
    int64_t readU32(int64_t index) const;

    // The bytes from `*position` up to the next CR LF, the position moved behind it; without
    // CR LF the rest, the position at the end. Unless keepNul, the line ends at its first NUL.
    // A missing or outside position gives the texts "Invalid param" / "Out of bounds".
    ByteString readLine(int64_t *position, bool keepNul = false) const;
    bool hasMore(int64_t position) const { return position >= 0 && position < length(); }

    // `count` bytes at `start`, or the whole text when they pass the end.
    ByteString substring(int64_t start, int64_t count) const;
    // The bytes up to the first NUL.
    ByteString untilNul() const;

    void upperCase();
    ByteString upperCased() const;

private:
    std::string bytes_;
};

// The uninstaller's upper-casing: a-z and the Latin-1 letters å, ä, ö (0xE5, 0xE4, 0xF6);
// every other byte stays.
char UpperCaseByte(char byte);

} // namespace uninst
