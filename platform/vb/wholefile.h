#pragma once
// Writing a whole file at once, as the controls' "save" operations do: the bytes go to a
// temporary file beside the target, which is renamed into place only when every byte is
// written, so a failure never leaves a half-written file (nor harms an old one).
#include <QByteArray>
#include <QString>

namespace vb {

// Raises 76 "Path not found" when the folder does not exist and 75 "Path/File access error"
// when the file cannot be written there; `source` goes into the error.
void WriteWholeFile(const QString &path, const QByteArray &bytes, const QString &source = QString());

} // namespace vb
