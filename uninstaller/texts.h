#pragma once
// Texts of the data as Qt texts: messages and template texts are UTF-8 (read with the
// uninstaller's own rules), paths and registry names are in the ANSI code page.
#include "bytestring.h"

#include <QString>

namespace uninst {

QString FromUtf8Data(const ByteString &text);
QString FromAnsi(const ByteString &text);
ByteString ToAnsi(const QString &text);

// Message `id` of the message table.
QString MessageText(uint32_t id);
// The same with its first "%s" replaced (the replacement given in UTF-8).
QString MessageWith(uint32_t id, const ByteString &replacementUtf8);

} // namespace uninst
