#pragma once
// A file's bytes as they stand, for tests that check or prepare exact file contents.
#include <QByteArray>
#include <QFile>
#include <QTest>

namespace testsupport {

// The whole file; empty when it cannot be read.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file's contents with `bytes`; a file that cannot be written fails the test.
inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace testsupport
