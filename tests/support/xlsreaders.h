#pragma once
// Real readers of .xls files for the export checks: xlrd (Debian's python3-xlrd, run with
// /usr/bin/python3) and LibreOffice headless (each sheet converted to UTF-8 CSV). Both give
// the sheets in order with their rows of texts; an empty cell reads as an empty text.
// The readers come with scripts/setup.sh; a missing one fails the check.
#include <QList>
#include <QString>
#include <QStringList>

namespace testsupport {

struct XlsSheet {
    QString name;
    QList<QStringList> rows;
};

struct XlsBook {
    bool ok = false;
    QString error;          // why the reader failed
    QList<XlsSheet> sheets;
};

XlsBook ReadXlsWithXlrd(const QString &path);
// `scratch` is a folder for the converted files and a private LibreOffice profile.
XlsBook ReadXlsWithLibreOffice(const QString &path, const QString &scratch);

// Rows padded with empty texts to `columns` (readers drop trailing empty cells differently).
QList<QStringList> PaddedRows(const QList<QStringList> &rows, int columns);

} // namespace testsupport
