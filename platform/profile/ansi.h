#pragma once
// Texts as the Windows ANSI functions see them: bytes of Windows-1252,
// one byte a character.
#include <QByteArray>
#include <QString>
#include <optional>

namespace ansi {

// A character the code page lacks becomes "?", the system's default character.
QByteArray FromUnicode(const QString &text);

// The code page's byte for one UTF-16 unit; nullopt when the code page lacks it.
std::optional<char> ByteOf(char16_t unit);

// Every byte value has its character, so FromUnicode(ToUnicode(bytes)) == bytes.
QString ToUnicode(const QByteArray &bytes);

} // namespace ansi
