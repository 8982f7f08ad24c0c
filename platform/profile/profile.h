#pragma once
// The Windows profile functions GetPrivateProfileString and WritePrivateProfileString over
// INI files, with their documented rules: sections and keys are matched without regard to
// case, values come back without surrounding blanks and quotes, lists of names are
// NUL-separated texts cut to the buffer. Files are Windows-1252 text; any line end is read
// and CR LF is written. A write replaces the file atomically, so a failure never leaves a
// half-written file. File names may be given in Windows form ("dir\config.ini").
#include <QString>
#include <cstdint>
#include <optional>

namespace profile {

// The null pointer of the Win32 functions: std::nullopt.
using NullableText = std::optional<QString>;

// Reads into a buffer of `size` characters and returns the count of characters copied,
// without the terminating NUL. `returned` receives what the buffer would hold, terminating
// NUL(s) included:
// - section and key given: the value (or the default) cut to size - 1 characters, one NUL;
// - key null: the key names of the section, each followed by a NUL, then one more NUL;
// - section null: the names of all sections in the same form.
// A list too long for the buffer ends in two NULs and gives size - 2; a list of section names
// that fills the buffer exactly counts as too long. A size of 0 leaves `returned` unchanged. The default (null
// counts as "", trailing blanks dropped) comes back for a missing key, for a missing or
// empty section when its key names are asked, for an empty key name, and for anything
// when the file is missing.
uint32_t GetPrivateProfileString(const NullableText &section, const NullableText &key,
                                 const NullableText &defaultText, QString *returned, uint32_t size,
                                 const QString &fileName);

// Sets the key's value, creating the file and the section when missing. A null value deletes
// the key, a null key deletes the section. Texts end at their first NUL, as C strings do.
// Returns false when the file cannot be read or written, or when the section is null.
bool WritePrivateProfileString(const NullableText &section, const NullableText &key,
                               const NullableText &value, const QString &fileName);

} // namespace profile
