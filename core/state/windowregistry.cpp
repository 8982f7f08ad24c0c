#include "core/state/windowregistry.h"

#include <QHash>

namespace core {

namespace {
QHash<QString, ShowWindowFunction> &windows()
{
    static QHash<QString, ShowWindowFunction> registered;
    return registered;
}
} // namespace

void RegisterWindow(const QString &name, ShowWindowFunction show) { windows().insert(name, std::move(show)); }

bool IsWindowRegistered(const QString &name) { return windows().contains(name); }

bool ShowWindow(const QString &name, int mode)
{
    const auto it = windows().constFind(name);
    if (it == windows().constEnd())
        return false;
    (*it)(mode);
    return true;
}

QStringList RegisteredWindows()
{
    QStringList names = windows().keys();
    names.sort();
    return names;
}

} // namespace core
