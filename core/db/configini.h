#pragma once
// INI objects of the settings component, made by class identifier as the program always has,
// already pointed at config.ini in the program folder.
#include "com/comptr.h"
#include "inilib/tarvolinkini.h"

#include <QString>

namespace core {

using IniObject = com::ComPtr<tarvolinkini::_INI>;

// The program folder + "\config.ini".
QString ConfigIniPath();

// A new INI object on config.ini with the given section. Raises 429 ("ActiveX component
// can't create object") when the component is not registered or cannot be loaded.
IniObject NewConfigIni(const QString &section);

// Reads one key of a section through the object (the object's Section and Key change).
QString ReadIniValue(tarvolinkini::_INI &ini, const QString &key);
// Writes one key; false when the profile write failed.
bool WriteIniValue(tarvolinkini::_INI &ini, const QString &key, const QString &value);

// A file that holds secrets (config.ini with enciphered passwords, whose key every copy of the
// program carries) is kept from other users of the machine: its owner reads and writes it, and
// so does the folder's group when the folder is shared with a group (group-writable, as a
// program folder that several users of one machine run the program from must be: the file is
// then given the folder's group); others nothing. Later rewrites keep the permissions. False
// when they could not be set.
bool KeepSecretFilePrivate(const QString &nativePath);
// The same for the program's own config.ini, after the settings windows wrote a secret into it.
bool KeepConfigIniPrivate();

} // namespace core
