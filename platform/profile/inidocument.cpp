#include "profile/inidocument.h"

#include <QRegularExpression>

namespace profile::detail {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text.at(start)))
        ++start;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

bool sameName(const QString &a, const QString &b)
{
    return QString::compare(trimBlanks(a), trimBlanks(b), Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument::Line IniDocument::parseLine(const QString &text)
{
    Line line;
    line.text = text;
    const QString trimmed = trimBlanks(text);
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = Line::Kind::Section;
            line.name = trimBlanks(trimmed.mid(1, close - 1));
            return line;
        }
    }
    if (trimmed.startsWith(QLatin1Char(';')))
        return line;   // a comment, even with "=" in it
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals >= 0) {
        line.kind = Line::Kind::Entry;
        line.name = trimBlanks(trimmed.left(equals));
        line.value = trimBlanks(trimmed.mid(equals + 1));
    }
    return line;
}

IniDocument::Line IniDocument::entryLine(const QString &key, const QString &value)
{
    return parseLine(trimBlanks(key) + QLatin1Char('=') + value);
}

IniDocument IniDocument::fromText(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    IniDocument document;
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();   // the end of the last line, not an empty line after it
    for (const QString &line : lines)
        document.lines_.push_back(parseLine(line));
    return document;
}

QString IniDocument::toText() const
{
    QString text;
    for (const Line &line : lines_)
        text += line.text + QStringLiteral("\r\n");
    return text;
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    for (const Line &line : lines_)
        if (line.kind == Line::Kind::Section)
            names.append(line.name);
    return names;
}

std::optional<QStringList> IniDocument::keyNames(const QString &section) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    QStringList names;
    for (qsizetype i = header + 1; i < endOfSection(header); ++i)
        if (lines_[i].kind == Line::Kind::Entry)
            names.append(lines_[i].name);
    return names;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const qsizetype entry = findEntry(header, key);
    if (entry < 0)
        return std::nullopt;
    return lines_[entry].value;
}

bool IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    qsizetype header = findSection(section);
    if (header < 0) {
        Line line;
        line.kind = Line::Kind::Section;
        line.name = trimBlanks(section);
        line.text = QLatin1Char('[') + line.name + QLatin1Char(']');
        lines_.push_back(line);
        lines_.push_back(entryLine(key, value));
        return true;
    }
    const qsizetype entry = findEntry(header, key);
    if (entry >= 0) {
        // The key keeps the spelling it has in the file.
        const Line replacement = entryLine(lines_[entry].name, value);
        if (replacement.text == lines_[entry].text)
            return false;
        lines_[entry] = replacement;
        return true;
    }
    // A new key goes after the section's last non-blank line, ahead of the blank lines that
    // separate it from the next section.
    qsizetype at = header + 1;
    for (qsizetype i = header + 1; i < endOfSection(header); ++i)
        if (!trimBlanks(lines_[i].text).isEmpty())
            at = i + 1;
    lines_.insert(lines_.begin() + at, entryLine(key, value));
    return true;
}

bool IniDocument::removeKey(const QString &section, const QString &key)
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return false;
    bool removed = false;
    for (qsizetype entry = findEntry(header, key); entry >= 0; entry = findEntry(header, key)) {
        lines_.erase(lines_.begin() + entry);
        removed = true;
    }
    return removed;
}

bool IniDocument::removeSection(const QString &section)
{
    bool removed = false;
    for (qsizetype header = findSection(section); header >= 0; header = findSection(section)) {
        lines_.erase(lines_.begin() + header, lines_.begin() + endOfSection(header));
        removed = true;
    }
    return removed;
}

qsizetype IniDocument::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i)
        if (lines_[i].kind == Line::Kind::Section && sameName(lines_[i].name, section))
            return i;
    return -1;
}

qsizetype IniDocument::endOfSection(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < qsizetype(lines_.size()) && lines_[i].kind != Line::Kind::Section)
        ++i;
    return i;
}

qsizetype IniDocument::findEntry(qsizetype header, const QString &key) const
{
    for (qsizetype i = header + 1; i < endOfSection(header); ++i)
        if (lines_[i].kind == Line::Kind::Entry && sameName(lines_[i].name, key))
            return i;
    return -1;
}

} // namespace profile::detail
