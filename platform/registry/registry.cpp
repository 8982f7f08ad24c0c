#include "registry/registry.h"

#include "profile/ansi.h"
#include "registry/storefile.h"

#include <QDir>

#include <cstring>

namespace reg {

using detail::ChangeResult;
using detail::RegKey;
using detail::RegValue;
using detail::StoreFile;

namespace {

// Rights that a read-only key refuses.
constexpr DWORD WriteAccess = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | KEY_DELETE
                              | 0x40000 /*WRITE_DAC*/ | 0x80000 /*WRITE_OWNER*/;

LONG checkHandle(const HKEY &key, DWORD neededAccess)
{
    if (!key.isValid())
        return ERROR_INVALID_HANDLE;
    if ((key.access() & neededAccess) != neededAccess)
        return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

// Runs `look` on the handle's key as it is on disk now.
template <class Look>
LONG readKey(const HKEY &key, DWORD neededAccess, Look look)
{
    if (const LONG error = checkHandle(key, neededAccess); error != ERROR_SUCCESS)
        return error;
    return StoreFile(key.root()).view([&](RegKey &tree) -> LONG {
        RegKey *found = detail::findKey(tree, key.path());
        if (!found)
            return ERROR_KEY_DELETED;
        return look(*found);
    });
}

// Runs `change` on the handle's key under the root's lock and stores the result.
template <class Change>
LONG changeKey(const HKEY &key, DWORD neededAccess, Change change)
{
    if (const LONG error = checkHandle(key, neededAccess); error != ERROR_SUCCESS)
        return error;
    return StoreFile(key.root()).update([&](RegKey &tree) -> ChangeResult {
        RegKey *found = detail::findKey(tree, key.path());
        if (!found)
            return {ERROR_KEY_DELETED, false};
        return change(*found);
    });
}

bool isTextType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// The names of a subkey path; a leading separator is refused as Windows refuses it.
LONG parseKeyPath(const QString &subKey, QStringList *names)
{
    if (subKey.startsWith(QLatin1Char('\\')))
        return ERROR_BAD_PATHNAME;
    *names = detail::splitKeyPath(subKey);
    return ERROR_SUCCESS;
}

// Copies value data out in the manner of the Win32 functions (see RegQueryValueEx).
// `capacity` is the buffer size the caller gave, read before anything was written back.
LONG copyData(const RegValue &value, DWORD capacity, uint8_t *data, DWORD *cbData)
{
    if (data && !cbData)
        return ERROR_INVALID_PARAMETER;
    if (!cbData)
        return ERROR_SUCCESS;
    const QByteArray &bytes = value.data;
    const auto size = static_cast<DWORD>(bytes.size());
    if (data) {
        if (capacity < size) {
            *cbData = size;
            return ERROR_MORE_DATA;
        }
        std::memcpy(data, bytes.constData(), size);
        // A text stored without its NUL still reads as a C string when there is room.
        if (isTextType(value.type) && capacity > size && (size == 0 || bytes.back() != '\0'))
            data[size] = 0;
    }
    *cbData = size;
    return ERROR_SUCCESS;
}

bool containsReadOnly(const RegKey &key)
{
    if (key.readOnly)
        return true;
    for (const RegKey &subkey : key.subkeys)
        if (containsReadOnly(subkey))
            return true;
    return false;
}

// Removes the key at `subKey` below the handle's key (the handle's own key when subKey is
// empty), with everything under it, unless `refused` says of that key that it must stay
// (then ERROR_ACCESS_DENIED).
template <class Refused>
LONG deleteSubkey(const HKEY &key, const QString &subKey, Refused refused)
{
    if (const LONG error = checkHandle(key, 0); error != ERROR_SUCCESS)
        return error;
    QStringList names;
    if (const LONG error = parseKeyPath(subKey, &names); error != ERROR_SUCCESS)
        return error;
    QStringList parentPath = key.path() + names;
    if (parentPath.isEmpty())
        return ERROR_ACCESS_DENIED;   // a root stays
    const QString last = parentPath.takeLast();
    return StoreFile(key.root()).update([&](RegKey &tree) -> ChangeResult {
        if (!detail::findKey(tree, key.path()))
            return {ERROR_KEY_DELETED, false};
        RegKey *parent = detail::findKey(tree, parentPath);
        RegKey *target = parent ? parent->findSubkey(last) : nullptr;
        if (!target)
            return {ERROR_FILE_NOT_FOUND, false};
        if (refused(*target))
            return {ERROR_ACCESS_DENIED, false};
        parent->removeSubkey(last);
        return {ERROR_SUCCESS, true};
    });
}

// Reads a whole value as bytes.
LONG queryBytes(const HKEY &key, const QString &valueName, DWORD *type, QByteArray *bytes)
{
    return readKey(key, KEY_QUERY_VALUE, [&](RegKey &found) -> LONG {
        const RegValue *value = found.findValue(valueName);
        if (!value)
            return ERROR_FILE_NOT_FOUND;
        *type = value->type;
        *bytes = value->data;
        return ERROR_SUCCESS;
    });
}

} // namespace

QString RootName(Root root)
{
    switch (root) {
    case Root::ClassesRoot: return QStringLiteral("HKEY_CLASSES_ROOT");
    case Root::CurrentUser: return QStringLiteral("HKEY_CURRENT_USER");
    case Root::LocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case Root::Users: return QStringLiteral("HKEY_USERS");
    }
    return QString();
}

QString RegistryDirectory()
{
    const QString configured = qEnvironmentVariable("HOTEL_REGISTRY_DIR");
    if (!configured.isEmpty())
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/share/brevant/registry");
}

Batch::Batch() { StoreFile::beginBatch(); }

Batch::~Batch() { StoreFile::endBatch(); }

LONG Batch::end()
{
    const LONG error = StoreFile::endBatch();
    StoreFile::beginBatch();
    return error;
}

LONG RegOpenKeyEx(const HKEY &key, const QString &subKey, DWORD /*options*/, DWORD samDesired, HKEY *result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = HKEY();
    QStringList names;
    // "\" alone under a root names the root: a new handle to it.
    const bool rootItself = subKey == QLatin1String("\\") && key.path().isEmpty();
    if (!rootItself)
        if (const LONG error = parseKeyPath(subKey, &names); error != ERROR_SUCCESS)
            return error;
    return readKey(key, 0, [&](RegKey &parent) -> LONG {
        QStringList path = key.path();
        RegKey *target = &parent;
        for (const QString &name : names) {
            target = target->findSubkey(name);
            if (!target)
                return ERROR_FILE_NOT_FOUND;
            path.append(target->name);
        }
        if (target->readOnly && (samDesired & WriteAccess))
            return ERROR_ACCESS_DENIED;
        *result = HKEY(key.root(), path, samDesired);
        return ERROR_SUCCESS;
    });
}

LONG RegCreateKeyEx(const HKEY &key, const QString &subKey, DWORD samDesired, HKEY *result, DWORD *disposition)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = HKEY();
    QStringList names;
    if (const LONG error = parseKeyPath(subKey, &names); error != ERROR_SUCCESS)
        return error;
    QStringList path = key.path();
    bool created = false;
    const LONG error = changeKey(key, 0, [&](RegKey &parent) -> ChangeResult {
        RegKey *target = &parent;
        for (const QString &name : names) {
            if (RegKey *existing = target->findSubkey(name)) {
                target = existing;
            } else {
                if (target->readOnly)
                    return {ERROR_ACCESS_DENIED, false};
                target = &target->addSubkey(name);
                created = true;
            }
            path.append(target->name);
        }
        if (target->readOnly && (samDesired & WriteAccess))
            return {ERROR_ACCESS_DENIED, false};
        return {ERROR_SUCCESS, created};
    });
    if (error != ERROR_SUCCESS)
        return error;
    *result = HKEY(key.root(), path, samDesired);
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(const HKEY &key)
{
    return key.isValid() ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegDeleteKey(const HKEY &key, const QString &subKey)
{
    return deleteSubkey(key, subKey,
                        [](const RegKey &target) { return target.readOnly || !target.subkeys.empty(); });
}

LONG RegDeleteTree(const HKEY &key, const QString &subKey)
{
    // All or nothing: a read-only key anywhere below keeps the whole tree.
    if (!subKey.isEmpty())
        return deleteSubkey(key, subKey, [](const RegKey &target) { return containsReadOnly(target); });
    return changeKey(key, KEY_SET_VALUE, [](RegKey &found) -> ChangeResult {
        if (containsReadOnly(found))
            return {ERROR_ACCESS_DENIED, false};
        found.values.clear();
        found.subkeys.clear();
        return {ERROR_SUCCESS, true};
    });
}

LONG RegEnumKeyEx(const HKEY &key, DWORD index, QString *name)
{
    if (!name)
        return ERROR_INVALID_PARAMETER;
    return readKey(key, KEY_ENUMERATE_SUB_KEYS, [&](RegKey &found) -> LONG {
        if (index >= found.subkeys.size())
            return ERROR_NO_MORE_ITEMS;
        *name = found.subkeys[index].name;
        return ERROR_SUCCESS;
    });
}

LONG RegSetValueEx(const HKEY &key, const QString &valueName, DWORD type, const uint8_t *data, DWORD cbData)
{
    if (!data && cbData > 0)
        return ERROR_NOACCESS;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(cbData));
    return changeKey(key, KEY_SET_VALUE, [&](RegKey &found) -> ChangeResult {
        if (found.readOnly)
            return {ERROR_ACCESS_DENIED, false};
        RegValue *value = found.findValue(valueName);
        if (!value) {
            found.values.push_back(RegValue{valueName, type, bytes});
        } else {
            value->type = type;
            value->data = bytes;
        }
        return {ERROR_SUCCESS, true};
    });
}

LONG RegSetTerminatedValueEx(const HKEY &key, const QString &valueName, DWORD type, const uint8_t *data,
                             DWORD cbData)
{
    // A caller that forgot to count the NUL of its text still has it right behind.
    if (data && isTextType(type) && cbData > 0 && data[cbData - 1] != 0 && data[cbData] == 0)
        ++cbData;
    return RegSetValueEx(key, valueName, type, data, cbData);
}

LONG RegQueryValueEx(const HKEY &key, const QString &valueName, DWORD *type, uint8_t *data, DWORD *cbData)
{
    const DWORD capacity = cbData ? *cbData : 0;
    return readKey(key, KEY_QUERY_VALUE, [&](RegKey &found) -> LONG {
        const RegValue *value = found.findValue(valueName);
        if (!value) {
            if (cbData && !data)
                *cbData = 0;
            return ERROR_FILE_NOT_FOUND;
        }
        if (type)
            *type = value->type;
        return copyData(*value, capacity, data, cbData);
    });
}

LONG RegEnumValue(const HKEY &key, DWORD index, QString *valueName, DWORD *type, uint8_t *data, DWORD *cbData)
{
    return RegEnumValue(key, index, valueName, nullptr, type, data, cbData);
}

LONG RegEnumValue(const HKEY &key, DWORD index, QString *valueName, DWORD *cchValueName, DWORD *type,
                  uint8_t *data, DWORD *cbData)
{
    if (!valueName || (data && !cbData))
        return ERROR_INVALID_PARAMETER;
    const DWORD capacity = cbData ? *cbData : 0;
    return readKey(key, KEY_QUERY_VALUE, [&](RegKey &found) -> LONG {
        if (index >= found.values.size())
            return ERROR_NO_MORE_ITEMS;
        const RegValue &value = found.values[index];
        const bool nameFits = !cchValueName || DWORD(value.name.size()) < *cchValueName;
        const bool dataFits = !data || capacity >= DWORD(value.data.size());
        if (type)
            *type = value.type;
        if (!nameFits || !dataFits) {
            if (cbData)
                *cbData = DWORD(value.data.size());
            return ERROR_MORE_DATA;
        }
        *valueName = value.name;
        if (cchValueName)
            *cchValueName = DWORD(value.name.size());
        return copyData(value, capacity, data, cbData);
    });
}

LONG RegDeleteValue(const HKEY &key, const QString &valueName)
{
    return changeKey(key, KEY_SET_VALUE, [&](RegKey &found) -> ChangeResult {
        if (found.readOnly)
            return {ERROR_ACCESS_DENIED, false};
        if (!found.removeValue(valueName))
            return {ERROR_FILE_NOT_FOUND, false};
        return {ERROR_SUCCESS, true};
    });
}

LONG SetKeyReadOnly(const HKEY &key, const QString &subKey, bool readOnly)
{
    QStringList names;
    if (const LONG error = parseKeyPath(subKey, &names); error != ERROR_SUCCESS)
        return error;
    return changeKey(key, 0, [&](RegKey &base) -> ChangeResult {
        RegKey *target = detail::findKey(base, names);
        if (!target)
            return {ERROR_FILE_NOT_FOUND, false};
        target->readOnly = readOnly;
        return {ERROR_SUCCESS, true};
    });
}

LONG SetStringValue(const HKEY &key, const QString &valueName, const QString &text, DWORD type)
{
    const QByteArray bytes = ansi::FromUnicode(text) + QByteArray(1, '\0');
    return RegSetValueEx(key, valueName, type, reinterpret_cast<const uint8_t *>(bytes.constData()),
                         static_cast<DWORD>(bytes.size()));
}

LONG SetDwordValue(const HKEY &key, const QString &valueName, DWORD number)
{
    const uint8_t bytes[4] = {uint8_t(number), uint8_t(number >> 8), uint8_t(number >> 16), uint8_t(number >> 24)};
    return RegSetValueEx(key, valueName, REG_DWORD, bytes, 4);
}

LONG QueryStringValue(const HKEY &key, const QString &valueName, QString *text)
{
    DWORD type = REG_NONE;
    QByteArray bytes;
    if (const LONG error = queryBytes(key, valueName, &type, &bytes); error != ERROR_SUCCESS)
        return error;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return ERROR_INVALID_PARAMETER;
    const qsizetype end = bytes.indexOf('\0');
    *text = ansi::ToUnicode(end < 0 ? bytes : bytes.left(end));
    return ERROR_SUCCESS;
}

LONG QueryDwordValue(const HKEY &key, const QString &valueName, DWORD *number)
{
    DWORD type = REG_NONE;
    QByteArray bytes;
    if (const LONG error = queryBytes(key, valueName, &type, &bytes); error != ERROR_SUCCESS)
        return error;
    if (type != REG_DWORD || bytes.size() != 4)
        return ERROR_INVALID_PARAMETER;
    const auto *b = reinterpret_cast<const uint8_t *>(bytes.constData());
    *number = DWORD(b[0]) | DWORD(b[1]) << 8 | DWORD(b[2]) << 16 | DWORD(b[3]) << 24;
    return ERROR_SUCCESS;
}

} // namespace reg
