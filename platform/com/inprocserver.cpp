#include "com/inprocserver.h"

#include "registry/registry.h"

#include <QFileInfo>

#include <dlfcn.h>


namespace com {

namespace {

using reg::HKEY;
using reg::LONG;

// One key with its default value and at most one named value.
struct KeyEntry {
    QString path;
    QString defaultValue;
    QString valueName = {};
    QString value = {};
};

LONG writeKey(const KeyEntry &entry)
{
    HKEY key;
    LONG error = reg::RegCreateKeyEx(reg::HKEY_CLASSES_ROOT, entry.path, reg::KEY_WRITE, &key);
    if (error != reg::ERROR_SUCCESS)
        return error;
    error = reg::SetStringValue(key, QString(), entry.defaultValue);
    if (error == reg::ERROR_SUCCESS && !entry.valueName.isEmpty())
        error = reg::SetStringValue(key, entry.valueName, entry.value);
    reg::RegCloseKey(key);
    return error;
}

bool deletedOrAbsent(LONG error)
{
    return error == reg::ERROR_SUCCESS || error == reg::ERROR_FILE_NOT_FOUND;
}

QString clsidKey(const ServerIdentity &identity)
{
    return QStringLiteral("CLSID\\") + identity.clsid.toString();
}

QString typeLibKey(const ServerIdentity &identity)
{
    return QStringLiteral("TypeLib\\") + identity.libid.toString();
}

QString interfaceKey(const ServerIdentity &identity)
{
    return QStringLiteral("Interface\\") + identity.iid.toString();
}

} // namespace

QString ThisModulePath()
{
    static const char anchor = 0;
    Dl_info info{};
    if (!dladdr(&anchor, &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

HRESULT RegisterServer(const ServerIdentity &identity, const QString &libraryPath)
{
    const QString clsid = identity.clsid.toString();
    const QString libid = identity.libid.toString();
    const QString version = identity.typeLibVersion;
    const QString typeLibVersionKey = typeLibKey(identity) + QLatin1Char('\\') + version;

    const KeyEntry entries[] = {
        {clsidKey(identity), identity.progId},
        {clsidKey(identity) + QStringLiteral("\\InprocServer32"), libraryPath,
         QStringLiteral("ThreadingModel"), QStringLiteral("Apartment")},
        {clsidKey(identity) + QStringLiteral("\\ProgID"), identity.progId},
        {clsidKey(identity) + QStringLiteral("\\TypeLib"), libid},
        {clsidKey(identity) + QStringLiteral("\\VERSION"), version},
        {identity.progId, identity.progId},
        {identity.progId + QStringLiteral("\\CLSID"), clsid},
        {typeLibVersionKey, identity.typeLibName},
        {typeLibVersionKey + QStringLiteral("\\0\\win32"), libraryPath},
        {typeLibVersionKey + QStringLiteral("\\FLAGS"), QStringLiteral("0")},
        {typeLibVersionKey + QStringLiteral("\\HELPDIR"), QFileInfo(libraryPath).absolutePath()},
        {interfaceKey(identity), identity.interfaceName},
        {interfaceKey(identity) + QStringLiteral("\\TypeLib"), libid, QStringLiteral("Version"), version},
    };
    for (const KeyEntry &entry : entries)
        if (writeKey(entry) != reg::ERROR_SUCCESS)
            return SELFREG_E_CLASS;
    return S_OK;
}

HRESULT UnregisterServer(const ServerIdentity &identity)
{
    const HKEY &root = reg::HKEY_CLASSES_ROOT;
    const QString trees[] = {
        clsidKey(identity),
        identity.progId,
        interfaceKey(identity),
        typeLibKey(identity) + QLatin1Char('\\') + identity.typeLibVersion,
    };
    bool ok = true;
    for (const QString &tree : trees)
        ok = deletedOrAbsent(reg::RegDeleteTree(root, tree)) && ok;
    // The library's key goes with its last registered version.
    const LONG error = reg::RegDeleteKey(root, typeLibKey(identity));
    ok = (deletedOrAbsent(error) || error == reg::ERROR_ACCESS_DENIED) && ok;
    return ok ? S_OK : SELFREG_E_CLASS;
}

} // namespace com
