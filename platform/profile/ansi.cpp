#include "profile/ansi.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace ansi {

namespace {

// Both directions of the code page as tables: Qt's encoder writes 0x1A, not "?", for a
// character it cannot map.
struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    CodePage()
    {
        QByteArray every(256, '\0');
        for (int b = 0; b < 256; ++b)
            every[b] = char(b);
        const QString chars = QStringDecoder("windows-1252").decode(every);
        for (int b = 0; b < 256; ++b) {
            toUnicode[b] = chars.at(b).unicode();
            fromUnicode.insert(toUnicode[b], char(b));
        }
    }
};

const CodePage &windows1252()
{
    static const CodePage page;
    return page;
}

} // namespace

QByteArray FromUnicode(const QString &text)
{
    const CodePage &page = windows1252();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;   // one character beyond the code page gives one "?"
        bytes.append(page.fromUnicode.value(c.unicode(), '?'));
    }
    return bytes;
}

std::optional<char> ByteOf(char16_t unit)
{
    const auto &fromUnicode = windows1252().fromUnicode;
    const auto found = fromUnicode.constFind(unit);
    if (found == fromUnicode.constEnd())
        return std::nullopt;
    return *found;
}

QString ToUnicode(const QByteArray &bytes)
{
    const CodePage &page = windows1252();
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(page.toUnicode[static_cast<unsigned char>(bytes.at(i))]);
    return text;
}

} // namespace ansi
