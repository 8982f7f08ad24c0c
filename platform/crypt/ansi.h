#pragma once
// Texts as bytes of the Windows ANSI code page (Windows-1252), one byte per character, the
// form in which the original program handed texts to the system.
#include <QByteArray>
#include <QString>

namespace wincrypt {

// Every character becomes one byte; a character the code page lacks becomes "?" (the
// system's default character).
QByteArray ToAnsi(const QString &text);

// Every byte becomes one character; all 256 byte values survive ToAnsi(FromAnsi(bytes)).
QString FromAnsi(const QByteArray &bytes);

} // namespace wincrypt
