#include "core/db/configini.h"

#include "com/create.h"
#include "vb/app.h"
#include "vb/error.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

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

bool KeepSecretFilePrivate(const QString &nativePath)
{
    const QByteArray file = QFile::encodeName(nativePath);
    const QByteArray folder = QFile::encodeName(QFileInfo(nativePath).absolutePath());
    struct stat folderStatus {};
    if (::stat(folder.constData(), &folderStatus) != 0)
        return false;
    mode_t mode = S_IRUSR | S_IWUSR;
    if (folderStatus.st_mode & S_IWGRP) {
        mode |= S_IRGRP | S_IWGRP;
        // Best effort: only a member of the folder's group may hand the file to it.
        if (::chown(file.constData(), static_cast<uid_t>(-1), folderStatus.st_gid) != 0)
            mode &= ~static_cast<mode_t>(S_IRGRP | S_IWGRP);
    }
    return ::chmod(file.constData(), mode) == 0;
}

bool KeepConfigIniPrivate() { return KeepSecretFilePrivate(vb::NativePath(ConfigIniPath())); }

} // namespace core
