#include "texts.h"

#include "messagetable.h"
#include "textcodec.h"

#include "profile/ansi.h"

namespace uninst {

QString FromUtf8Data(const ByteString &text)
{
    return QString::fromStdU16String(Utf8ToWide(text));
}

QString FromAnsi(const ByteString &text)
{
    return ansi::ToUnicode(QByteArray(text.data(), qsizetype(text.length())));
}

ByteString ToAnsi(const QString &text)
{
    const QByteArray bytes = ansi::FromUnicode(text);
    return ByteString(bytes.constData(), bytes.size());
}

QString MessageText(uint32_t id)
{
    return FromUtf8Data(Messages().text(id));
}

QString MessageWith(uint32_t id, const ByteString &replacementUtf8)
{
    ByteString text = Messages().text(id);
    ReplaceFirstPlaceholder(&text, replacementUtf8);
    return FromUtf8Data(text);
}

} // namespace uninst
