#include "core/db/configini.h"

#include "com/create.h"
#include "vb/app.h"
#include "vb/error.h"

namespace core {

QString ConfigIniPath() { return vb::AppPath() + QStringLiteral("\\config.ini"); }

IniObject NewConfigIni(const QString &section)
{
    IniObject ini;
    const com::HRESULT hr = com::CreateInstance(tarvolinkini::CLSID_INI, &ini);
    if (hr != com::S_OK || !ini)
        throw vb::Error(429, QStringLiteral("ActiveX component can't create object"));
    ini->SetPath(ConfigIniPath());
    ini->SetSection(section);
    return ini;
}

QString ReadIniValue(tarvolinkini::_INI &ini, const QString &key)
{
    ini.SetKey(key);
    return ini.Value();
}

bool WriteIniValue(tarvolinkini::_INI &ini, const QString &key, const QString &value)
{
    ini.SetKey(key);
    ini.SetValue(value);
    return ini.Success();
}

} // namespace core
