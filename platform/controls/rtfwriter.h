#pragma once
// A writer of Rich Text Format (RTF 1.x) for the rich text box: Qt reads RTF nowhere and
// writes none. It writes what the box can hold: the font and colour tables, each run's
// font, size, bold, italic, underline and colour, each paragraph's alignment and tab stops,
// tabs, line and paragraph breaks, and the box's background colour. Text goes out in Windows-1252
// ("\'hh" escapes); characters the code page lacks go out as Unicode escapes ("\uN?").
#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringView>

class QTextDocument;

namespace controls {

// The document as RTF. An invalid background colour writes none.
QByteArray DocumentToRtf(const QTextDocument &document, const QColor &background = QColor());

// Text as it stands inside an RTF group: "\", "{" and "}" escaped, tabs as "\tab",
// line separators as "\line", other control characters dropped.
QByteArray RtfText(QStringView text);

} // namespace controls
