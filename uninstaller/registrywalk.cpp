#include "registrywalk.h"

#include "heartbeat.h"
#include "texts.h"

namespace uninst {

namespace {

constexpr reg::DWORD readWrite = reg::KEY_READ | reg::KEY_WRITE;   // 0x2001F

void recordLeft(const QStringList &path, ByteString *keysLeft)
{
    const ByteString line = ToAnsi(path.join(QLatin1Char('\\')));
    for (const ByteString &existing : ListLines(*keysLeft))
        if (existing.equals(line, false))
            return;
    AppendLine(keysLeft, line);
}

// A name that would open the parent key (empty) or a key further down ("\") names no key
// of its own: it is never opened.
bool usableName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\\'));
}

bool hasFirstSubkey(const reg::HKEY &key)
{
    QString name;
    return reg::RegEnumKeyEx(key, 0, &name) == reg::ERROR_SUCCESS;
}

bool hasFirstValue(const reg::HKEY &key)
{
    QString name;
    return reg::RegEnumValue(key, 0, &name, nullptr, nullptr, nullptr) == reg::ERROR_SUCCESS;
}

// Removes the key (flag 1) by its flags once its contents are done.
void removeKey(const reg::HKEY &parent, const QString &name, reg::HKEY key, uint32_t flags, const QStringList &path,
               ByteString *keysLeft)
{
    bool subkeys = hasFirstSubkey(key);
    if (subkeys && (flags & RemoveSubtree)) {
        DeleteKeyTree(key);
        subkeys = false;
    }
    const bool values = hasFirstValue(key);
    reg::RegCloseKey(key);
    const auto deleteOrRecord = [&] {
        if (reg::RegDeleteKey(parent, name) != reg::ERROR_SUCCESS)
            recordLeft(path, keysLeft);
    };
    if (flags & RemoveSubtree)
        deleteOrRecord();
    else if (flags & RemoveOnlyWhenEmpty) {
        if (!subkeys && !values)
            deleteOrRecord();
    } else if (subkeys) {
        if (!(flags & KeepWithSubkeys))
            recordLeft(path, keysLeft);
    } else {
        deleteOrRecord();
    }
}

} // namespace

const reg::HKEY &RegistryRoot(int index)
{
    static const reg::HKEY roots[4] = {reg::HKEY_CLASSES_ROOT, reg::HKEY_CURRENT_USER, reg::HKEY_LOCAL_MACHINE,
                                       reg::HKEY_USERS};
    return roots[index];
}

bool ProcessRegistryTree(const reg::HKEY *key, const RegistryNode &node, WalkMode mode, QStringList *path,
                         ByteString *keysLeft)
{
    if (!key)
        return true;   // the data is read whole beforehand: without a key nothing is done
    if (mode == WalkMode::Remove)
        for (const RegistryValueEntry &value : node.values)
            if (value.flag == 1)
                reg::RegDeleteValue(*key, FromAnsi(value.name));
    for (const RegistrySubkey &subkey : node.subkeys) {
        Heartbeat();
        const QString name = FromAnsi(subkey.name);
        if (!usableName(name)) {
            if (mode == WalkMode::Remove && path)
                recordLeft(*path + QStringList{name}, keysLeft);
            continue;
        }
        if (path)
            path->append(name);
        const auto pop = [&] {
            if (path)
                path->removeLast();
        };
        reg::HKEY child;
        reg::LONG error = reg::RegOpenKeyEx(*key, name, 0, readWrite, &child);
        if (error == reg::ERROR_ACCESS_DENIED) {
            if (!subkey.node.values.empty()
                || reg::RegOpenKeyEx(*key, name, 0, reg::KEY_READ, &child) == reg::ERROR_ACCESS_DENIED) {
                pop();
                if (mode == WalkMode::Check)
                    return false;
                continue;
            }
            error = reg::ERROR_SUCCESS;
        }
        if (error != reg::ERROR_SUCCESS) {
            pop();   // the key is not there
            continue;
        }
        const bool walked = ProcessRegistryTree(&child, subkey.node, mode, path, keysLeft);
        if (mode == WalkMode::Check) {
            reg::RegCloseKey(child);
            if (!walked) {
                pop();
                return false;
            }
        } else if (subkey.flags & RemoveKey) {
            removeKey(*key, name, child, subkey.flags, path ? *path : QStringList{name}, keysLeft);
        } else {
            reg::RegCloseKey(child);
        }
        pop();
    }
    return true;
}

void DeleteKeyTree(const reg::HKEY &key)
{
    QStringList names;
    QString name;
    for (reg::DWORD i = 0; reg::RegEnumKeyEx(key, i, &name) == reg::ERROR_SUCCESS; ++i)
        names.append(name);
    for (const QString &subkey : names) {
        Heartbeat();
        reg::HKEY child;
        if (reg::RegOpenKeyEx(key, subkey, 0, readWrite, &child) != reg::ERROR_SUCCESS)
            continue;
        DeleteKeyTree(child);
        reg::RegCloseKey(child);
        reg::RegDeleteKey(key, subkey);
    }
}

} // namespace uninst
