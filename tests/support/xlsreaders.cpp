#include "support/xlsreaders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QUrl>

namespace testsupport {

namespace {
XlsBook failed(const QString &why) { return {.ok = false, .error = why, .sheets = {}}; }

// RFC 4180 fields: quoted fields may hold commas, doubled quotes and line breaks.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            row << field;
            field.clear();
            rows << row;
            row.clear();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}
} // namespace

XlsBook ReadXlsWithXlrd(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(HOTEL_READ_XLS_SCRIPT), path});
    if (!python.waitForFinished(300000))
        return failed(QStringLiteral("python3 did not finish: ") + python.errorString());
    if (python.exitCode() != 0)
        return failed(QString::fromUtf8(python.readAllStandardError()));
    const QJsonObject root = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    XlsBook book{.ok = true, .error = {}, .sheets = {}};
    for (const QJsonValue &s : root.value(QStringLiteral("sheets")).toArray()) {
        XlsSheet sheet{.name = s[QStringLiteral("name")].toString(), .rows = {}};
        for (const QJsonValue &r : s[QStringLiteral("rows")].toArray()) {
            QStringList row;
            for (const QJsonValue &v : r.toArray())
                row << v.toString();
            sheet.rows << row;
        }
        book.sheets << sheet;
    }
    return book;
}

XlsBook ReadXlsWithLibreOffice(const QString &path, const QString &scratch)
{
    const QString out = QDir(scratch).filePath(QStringLiteral("lo-csv"));
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    const QString profile = QUrl::fromLocalFile(QDir(scratch).filePath(QStringLiteral("lo-profile"))).toString();
    QProcess office;
    // Token 12 of the CSV filter, -1: every sheet to a file of its own, "<name>-<sheet>.csv".
    office.start(QStringLiteral("soffice"),
                 {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                  QStringLiteral("--convert-to"),
                  QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"),
                  QStringLiteral("--outdir"), out, path});
    if (!office.waitForFinished(300000))
        return failed(QStringLiteral("soffice did not finish: ") + office.errorString());
    if (office.exitCode() != 0)
        return failed(QString::fromUtf8(office.readAllStandardError()));
    const QString base = QFileInfo(path).completeBaseName();
    XlsBook book{.ok = true, .error = {}, .sheets = {}};
    for (int n = 1;; ++n) {
        const QString sheetName = QStringLiteral("Sheet%1").arg(n);
        QFile csv(QDir(out).filePath(base + QLatin1Char('-') + sheetName + QStringLiteral(".csv")));
        if (!csv.open(QIODevice::ReadOnly))
            break;
        book.sheets << XlsSheet{.name = sheetName, .rows = parseCsv(QString::fromUtf8(csv.readAll()))};
    }
    if (book.sheets.isEmpty())
        return failed(QStringLiteral("LibreOffice wrote no sheet: ") + QString::fromUtf8(office.readAllStandardError())
                      + QDir(out).entryList().join(QLatin1Char(' ')));
    return book;
}

QList<QStringList> PaddedRows(const QList<QStringList> &rows, int columns)
{
    QList<QStringList> padded = rows;
    for (QStringList &row : padded) {
        while (row.size() < columns)
            row << QString();
    }
    return padded;
}

} // namespace testsupport
