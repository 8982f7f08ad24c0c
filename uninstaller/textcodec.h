#pragma once
// The text rules of the uninstaller: its own UTF-8 reading (lenient with stray Latin-1
// bytes, strict with malformed characters), UTF-16 back to UTF-8, and the "%s" placeholder.
#include "bytestring.h"

#include <string>

namespace uninst {

// Decodes up to the first NUL, or `length` bytes when length >= 0. A byte >= 0x80 that does
// not start a well-formed two- or three-byte sequence stands for itself (Latin-1); an
// overlong form, a surrogate, U+FFFE/U+FFFF or a sequence cut by `length` empties the whole
// result.
std::u16string Utf8ToWide(const char *bytes, int64_t length = -1);
std::u16string Utf8ToWide(const ByteString &text);

// Each UTF-16 unit as 1, 2 or 3 bytes (surrogates one by one).
ByteString WideToUtf8(const std::u16string &text);

// Replaces the first "%s" by `replacement`; false (text unchanged) when there is none.
bool ReplaceFirstPlaceholder(ByteString *text, const ByteString &replacement);

} // namespace uninst
