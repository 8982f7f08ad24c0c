#include "ado/connection_text.h"

namespace ado {

namespace {

// A value from `pos`: braced ("{a;b}", "}}" for a brace), quoted ("'a;b'" or "\"a;b\"", doubled quote for
// itself) or plain up to the next ';'. `pos` ends after the value's ';'.
QString readValue(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    QString value;
    if (pos < text.size() && (text[pos] == u'{' || text[pos] == u'\'' || text[pos] == u'"')) {
        const QChar close = text[pos] == u'{' ? u'}' : text[pos];
        ++pos;
        while (pos < text.size()) {
            const QChar c = text[pos++];
            if (c != close) {
                value += c;
            } else if (pos < text.size() && text[pos] == close) {
                value += c;
                ++pos;
            } else {
                break;
            }
        }
        while (pos < text.size() && text[pos] != u';')
            ++pos;
        ++pos;
        return value;
    }
    const qsizetype end = text.indexOf(u';', pos);
    value = text.mid(pos, end < 0 ? -1 : end - pos).trimmed();
    pos = end < 0 ? text.size() : end + 1;
    return value;
}

} // namespace

ConnectionText::ConnectionText(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype equals = text.indexOf(u'=', pos);
        const qsizetype semicolon = text.indexOf(u';', pos);
        if (equals < 0)
            break;
        if (semicolon >= 0 && semicolon < equals) {   // a piece without '=': skipped
            pos = semicolon + 1;
            continue;
        }
        const QString key = text.mid(pos, equals - pos).trimmed();
        pos = equals + 1;
        pairs_.append({key, readValue(text, pos)});
    }
}

bool ConnectionText::has(const QString &key) const
{
    for (const auto &pair : pairs_) {
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString ConnectionText::value(const QString &key) const
{
    QString found;
    for (const auto &pair : pairs_) {
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            found = pair.second;
    }
    return found;
}

} // namespace ado
