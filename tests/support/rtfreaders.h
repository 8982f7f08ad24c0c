#pragma once
// An RTF file as real readers see it (unrtf and LibreOffice headless, through
// tests/support/rtf_readers.py run by Debian's /usr/bin/python3).
#include <QJsonObject>
#include <QList>
#include <QString>

namespace testsupport {

// One styled piece of text as a reader saw it (white space collapsed).
struct RtfRun {
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString color;        // "#rrggbb", or empty
    double size = 0;      // points; 0 when the reader gives none
    QString align;        // "left", "center", "right"
    QString background;   // the paragraph's "#rrggbb", or empty
};

struct RtfReading {
    QString error;        // empty when the reader read the file
    QString text;         // LibreOffice: the exact text; unrtf: white space collapsed
    QList<RtfRun> runs;
    // LibreOffice, when asked for: each paragraph's tab stops, positions in twips.
    QList<QList<int>> tabStops;
    // The first run whose text contains `part`; a default run (empty text) when none does.
    RtfRun runWith(const QString &part) const;
};

struct RtfReadings {
    RtfReading unrtf;
    RtfReading libreOffice;
};

// Reads the file with both readers; `workFolder` takes LibreOffice's private profile and
// its output. `tabStops`: LibreOffice also reads each paragraph's tab stops (one more
// conversion).
RtfReadings ReadRtf(const QString &path, const QString &workFolder, bool tabStops = false);

} // namespace testsupport
