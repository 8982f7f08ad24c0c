#include "inilib/ini.h"

#include "vb/conversions.h"
#include "vb/error.h"

namespace tarvolinkini {

namespace {

// Buffer sizes handed to the profile function: a value is read up to 254 characters, a
// list of names up to 8190.
constexpr uint32_t ValueBufferSize = 255;
constexpr uint32_t ListBufferSize = 8192;

// The names of a NUL-separated list: each name ends at its NUL; text after the last NUL
// (a default without one, say) is no name.
QStringList namesOf(const QString &list)
{
    QStringList names;
    qsizetype position = 0;
    for (qsizetype nul = list.indexOf(QChar(0)); nul >= 0; nul = list.indexOf(QChar(0), position)) {
        names.append(list.mid(position, nul - position));
        position = nul + 1;
    }
    return names;
}

} // namespace

QString INI::read(const profile::NullableText &section, const profile::NullableText &key, uint32_t bufferSize) const
{
    QString buffer;
    const uint32_t copied = profile::GetPrivateProfileString(section, key, default_, &buffer, bufferSize, path_);
    return buffer.left(copied);
}

void INI::write(const profile::NullableText &key, const profile::NullableText &value)
{
    lastReturnCode_ = profile::WritePrivateProfileString(section_, key, value, path_) ? 1 : 0;
}

QString INI::Value()
{
    return read(section_, key_, ValueBufferSize);
}

void INI::SetValue(const QString &sValue)
{
    QString value = sValue;
    write(key_, value.remove(QChar(0)));
}

void INI::DeleteKey()
{
    write(key_, std::nullopt);
}

void INI::DeleteSection()
{
    write(std::nullopt, std::nullopt);
}

QString INI::INISection()
{
    return read(section_, std::nullopt, ListBufferSize);
}

void INI::SetINISection(const QString &sSection)
{
    // With no key name the profile function removes the whole section.
    write(std::nullopt, sSection);
}

QString INI::Sections()
{
    return read(std::nullopt, std::nullopt, ListBufferSize);
}

void INI::EnumerateCurrentSection(QStringList &sKey, int32_t &iCount)
{
    sKey = namesOf(INISection());
    iCount = static_cast<int32_t>(sKey.size());
}

void INI::EnumerateAllSections(QStringList &sSections, int32_t &iCount)
{
    sSections = namesOf(Sections());
    iCount = static_cast<int32_t>(sSections.size());
}

int32_t INI::CLngDefault(const QString &sString, int32_t lDefault)
{
    try {
        return vb::CLng(vb::Variant(sString));
    } catch (const vb::Error &) {
        return lDefault;
    }
}

} // namespace tarvolinkini
