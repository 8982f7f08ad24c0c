#include "profile/profile.h"

#include "profile/ansi.h"
#include "profile/inidocument.h"
#include "vb/app.h"

#include <QFile>
#include <QSaveFile>

namespace profile {

using detail::IniDocument;

namespace {

// The ANSI functions take C strings: a text ends at its first NUL.
NullableText asCString(const NullableText &text)
{
    if (!text)
        return std::nullopt;
    const qsizetype nul = text->indexOf(QChar(0));
    return nul < 0 ? *text : text->left(nul);
}

enum class ReadResult { Read, Missing, Failed };

ReadResult readDocument(const QString &path, IniDocument *document)
{
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Failed;
    *document = IniDocument::fromText(ansi::ToUnicode(file.readAll()));
    return ReadResult::Read;
}

bool writeDocument(const QString &path, const IniDocument &document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = ansi::FromUnicode(document.toText());
    return file.write(bytes) == bytes.size() && file.commit();
}

// A value loses one pair of matching quotes around it.
QString withoutQuotes(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// One text into the buffer: cut to size - 1 characters, then its NUL.
uint32_t copyText(const QString &text, QString *returned, uint32_t size)
{
    const qsizetype count = std::min<qsizetype>(text.size(), qsizetype(size) - 1);
    *returned = text.left(count) + QChar(0);
    return uint32_t(count);
}

// How a list of names that exactly fills the buffer is taken: Windows treats a list of
// section names that leaves no spare character as cut, while a list of key names fits.
enum class ExactFit { Fits, Truncated };

// Names into the buffer, each with its NUL, then one more NUL. A list that does not fit is
// cut to size - 2 characters and ends in two NULs, as Windows does.
uint32_t copyList(const QStringList &names, QString *returned, uint32_t size, ExactFit exactFit)
{
    QString list;
    for (const QString &name : names)
        list += name + QChar(0);
    const qsizetype needed = list.size() + 1 + (exactFit == ExactFit::Truncated ? 1 : 0);
    if (needed <= qsizetype(size)) {
        *returned = list + QChar(0);
        return uint32_t(list.size());
    }
    if (size < 2) {
        *returned = QString(qsizetype(size), QChar(0));
        return 0;
    }
    *returned = list.left(size - 2) + QChar(0) + QChar(0);
    return size - 2;
}

} // namespace

uint32_t GetPrivateProfileString(const NullableText &sectionArg, const NullableText &keyArg,
                                 const NullableText &defaultArg, QString *returned, uint32_t size,
                                 const QString &fileName)
{
    // A buffer of no characters is left as it is.
    if (size == 0)
        return 0;
    QString ignored;
    if (!returned)
        returned = &ignored;
    returned->clear();

    const NullableText section = asCString(sectionArg);
    const NullableText key = asCString(keyArg);
    const QString defaultText = withoutTrailingBlanks(asCString(defaultArg).value_or(QString()));

    IniDocument document;
    if (readDocument(vb::NativePath(fileName), &document) != ReadResult::Read)
        return copyText(defaultText, returned, size);

    if (!section)
        return copyList(document.sectionNames(), returned, size, ExactFit::Truncated);
    if (!key) {
        const std::optional<QStringList> names = document.keyNames(*section);
        if (!names || names->isEmpty())
            return copyText(defaultText, returned, size);
        return copyList(*names, returned, size, ExactFit::Fits);
    }
    if (key->isEmpty())
        return copyText(defaultText, returned, size);
    const std::optional<QString> value = document.value(*section, *key);
    return copyText(value ? withoutQuotes(*value) : defaultText, returned, size);
}

bool WritePrivateProfileString(const NullableText &sectionArg, const NullableText &keyArg,
                               const NullableText &valueArg, const QString &fileName)
{
    const NullableText section = asCString(sectionArg);
    const NullableText key = asCString(keyArg);
    const NullableText value = asCString(valueArg);
    if (!section)
        return false;

    const QString path = vb::NativePath(fileName);
    IniDocument document;
    if (readDocument(path, &document) == ReadResult::Failed)
        return false;

    bool changed;
    if (!key)
        changed = document.removeSection(*section);
    else if (!value)
        changed = document.removeKey(*section, *key);
    else
        changed = document.setValue(*section, *key, *value);
    // Deleting what is not there succeeds and leaves the file (or its absence) alone.
    return !changed || writeDocument(path, document);
}

} // namespace profile
