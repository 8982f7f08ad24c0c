#pragma once
// Reads what registration left in the test's private registry.
#include "registry/registry.h"

#include <QString>

namespace testsupport {

// The default value of a key under HKEY_CLASSES_ROOT; "<missing>" when there is no such key.
inline QString ClassesRootDefault(const QString &path)
{
    reg::HKEY key;
    if (reg::RegOpenKeyEx(reg::HKEY_CLASSES_ROOT, path, 0, reg::KEY_READ, &key) != reg::ERROR_SUCCESS)
        return QStringLiteral("<missing>");
    QString text;
    reg::QueryStringValue(key, QString(), &text);
    return text;
}

} // namespace testsupport
