#pragma once
// An OLE2 compound file (structured storage, version 3, 512-byte sectors) holding one
// stream beside its root: what Excel 97 and every .xls reader expect around a workbook.
// Layout: header, the stream's sectors, one directory sector, the FAT sectors, and DIFAT
// sectors once the FAT needs more than the header's 109 entries (files over about 7 MB).
// A stream shorter than 4,096 bytes is padded to that size, so it lives in regular sectors
// and no mini stream is needed.
#include <QByteArray>
#include <QString>

namespace controls {

// The whole file's bytes.
QByteArray BuildCompoundFile(const QString &streamName, QByteArray stream);

} // namespace controls
