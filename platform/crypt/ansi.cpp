#include "crypt/ansi.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace wincrypt {

namespace {

struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    CodePage()
    {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        // Qt's Windows-1252 maps the five bytes Microsoft left undefined (0x81, 0x8D, 0x8F,
        // 0x90, 0x9D) to the control characters of the same value, as Windows does, so
        // cipher bytes survive the trip through a text.
        const QString chars = QStringDecoder("windows-1252").decode(all);
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

QByteArray ToAnsi(const QString &text)
{
    const CodePage &page = windows1252();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;   // one character outside the code page: one "?"
        bytes.append(page.fromUnicode.value(c.unicode(), '?'));
    }
    return bytes;
}

QString FromAnsi(const QByteArray &bytes)
{
    const CodePage &page = windows1252();
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(page.toUnicode[static_cast<unsigned char>(bytes.at(i))]);
    return text;
}

} // namespace wincrypt
