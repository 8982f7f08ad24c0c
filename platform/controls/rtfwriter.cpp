#include "controls/rtfwriter.h"

#include "profile/ansi.h"

#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace controls {

namespace {

constexpr double TwipsPerPixel = 15.0;   // 96 dots per inch
constexpr double PointsPerPixel = 0.75;

// Entries of a table in the order of their first use; the index is the RTF number.
template <class T> class UseTable {
public:
    int indexOf(const T &value)
    {
        const qsizetype at = entries_.indexOf(value);
        if (at >= 0)
            return int(at);
        entries_.append(value);
        return int(entries_.size() - 1);
    }
    const QList<T> &entries() const { return entries_; }

private:
    QList<T> entries_;
};

QByteArray number(long long value) { return QByteArray::number(value); }

// One UTF-16 unit the code page lacks: "\uN?", N signed 16-bit as RTF wants it (a
// character beyond the basic plane goes out as its two surrogates).
QByteArray unicodeEscape(char16_t unit)
{
    const auto signedUnit = static_cast<int16_t>(unit);
    return "\\u" + number(signedUnit) + '?';
}

// Half-points of a font's size.
int halfPoints(const QFont &font)
{
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * PointsPerPixel;
    return std::max(1, int(std::lround(points * 2)));
}

QByteArray colorEntry(const QColor &color)
{
    return "\\red" + number(color.red()) + "\\green" + number(color.green()) + "\\blue" + number(color.blue()) + ';';
}

// &H00BBGGRR, the form a shape's fill colour takes.
long long fillColor(const QColor &color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

QByteArray alignment(Qt::Alignment align)
{
    if (align & Qt::AlignHCenter)
        return "\\qc";
    if (align & Qt::AlignRight)
        return "\\qr";
    if (align & Qt::AlignJustify)
        return "\\qj";
    return "\\ql";
}

struct Run {
    QFont font;
    QColor color;   // invalid: the automatic colour
    QString text;
};

struct Paragraph {
    Qt::Alignment alignment;
    QList<QTextOption::Tab> tabs;
    QList<Run> runs;
};

// The paragraph's tab stops, "\tx" with the position in twips, after the kind of a stop
// that is not a left one.
QByteArray tabStops(const QList<QTextOption::Tab> &tabs)
{
    QByteArray out;
    for (const QTextOption::Tab &tab : tabs) {
        switch (tab.type) {
        case QTextOption::RightTab: out += "\\tqr"; break;
        case QTextOption::CenterTab: out += "\\tqc"; break;
        case QTextOption::DelimiterTab: out += "\\tqdec"; break;
        case QTextOption::LeftTab: break;
        }
        out += "\\tx" + number(std::lround(tab.position * TwipsPerPixel));
    }
    return out;
}

QList<Paragraph> paragraphsOf(const QTextDocument &document)
{
    QList<Paragraph> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph{block.blockFormat().alignment(), block.blockFormat().tabPositions(), {}};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QBrush brush = format.foreground();
            paragraph.runs.append(Run{format.font().resolve(document.defaultFont()),
                                      brush.style() == Qt::NoBrush ? QColor() : brush.color(), fragment.text()});
        }
        paragraphs.append(paragraph);
    }
    return paragraphs;
}

QByteArray runGroup(const Run &run, int font, int color)
{
    QByteArray out = "{\\f" + number(font) + "\\fs" + number(halfPoints(run.font));
    if (run.font.bold())
        out += "\\b";
    if (run.font.italic())
        out += "\\i";
    if (run.font.underline())
        out += "\\ul";
    out += "\\cf" + number(color) + ' ' + RtfText(run.text) + '}';
    return out;
}

} // namespace

QByteArray RtfText(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        switch (unit) {
        case u'\\':
        case u'{':
        case u'}':
            out += '\\';
            out += char(unit);
            continue;
        case u'\t':
            out += "\\tab ";
            continue;
        case QChar::LineSeparator:
        case u'\n':
            out += "\\line ";
            continue;
        default:
            break;
        }
        if (unit < 0x20 || unit == QChar::ObjectReplacementCharacter)
            continue;   // control characters and embedded objects have no text form here
        if (unit < 0x80) {
            out += char(unit);
            continue;
        }
        if (const std::optional<char> byte = ansi::ByteOf(unit))
            out += "\\'" + QByteArray(1, *byte).toHex();
        else
            out += unicodeEscape(unit);
    }
    return out;
}

QByteArray DocumentToRtf(const QTextDocument &document, const QColor &background)
{
    const QList<Paragraph> paragraphs = paragraphsOf(document);

    // The default font is font 0, so that text without a run of its own reads in it.
    UseTable<QString> fonts;
    fonts.indexOf(document.defaultFont().family());
    UseTable<QColor> colors;   // entry 0 is the automatic colour, written as an empty entry

    // The background goes out twice: as the page's (for readers that show one) and as each
    // paragraph's shading (for readers that know no page background).
    const int shading = background.isValid() ? colors.indexOf(background.toRgb()) + 1 : 0;

    QByteArray body;
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        const Paragraph &paragraph = paragraphs.at(p);
        body += "\\pard" + alignment(paragraph.alignment) + tabStops(paragraph.tabs);
        if (shading)
            body += "\\cbpat" + number(shading);
        for (const Run &run : paragraph.runs) {
            const int font = fonts.indexOf(run.font.family());
            const int color = run.color.isValid() ? colors.indexOf(run.color.toRgb()) + 1 : 0;
            body += runGroup(run, font, color);
        }
        // Paragraph marks separate paragraphs; the last one ends the document without one,
        // so a reader shows no empty paragraph after the text.
        if (p + 1 < paragraphs.size())
            body += "\\par";
        body += "\r\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    const double tabStop = document.defaultTextOption().tabStopDistance();
    out += "\\deftab" + number(std::lround(tabStop * TwipsPerPixel));
    out += "{\\fonttbl";
    for (qsizetype f = 0; f < fonts.entries().size(); ++f)
        out += "{\\f" + number(f) + "\\fnil\\fcharset0 " + RtfText(fonts.entries().at(f)) + ";}";
    out += "}\r\n{\\colortbl ;";
    for (const QColor &color : colors.entries())
        out += colorEntry(color);
    out += "}\r\n";
    if (background.isValid()) {
        out += "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv " + number(fillColor(background))
               + "}}{\\sp{\\sn fFilled}{\\sv 1}}}}}\\viewbkind1\r\n";
    }
    out += body;
    out += "}\r\n";
    return out;
}

} // namespace controls
