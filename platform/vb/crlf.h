#pragma once
// The line-break constants of the runtime and the two conversions between its CR LF texts
// (messages, statements, stored notes) and the single line feeds Qt's widgets show.
#include <QString>

namespace vb {

inline const QString vbCr = QStringLiteral("\r");
inline const QString vbLf = QStringLiteral("\n");
inline const QString vbCrLf = QStringLiteral("\r\n");

// CR LF pairs to line feeds, for a label or text box: "a\r\nb" shows as two lines.
inline QString CrLfToLines(const QString &text)
{
    QString lines = text;
    return lines.replace(vbCrLf, vbLf);
}

// Line feeds (as a text box hands them back) to CR LF pairs; pairs already there stay one pair.
inline QString LinesToCrLf(const QString &text)
{
    QString crlf = text;
    crlf.replace(vbCrLf, vbLf);
    return crlf.replace(vbLf, vbCrLf);
}

} // namespace vb
