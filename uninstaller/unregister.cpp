#include "unregister.h"

#include "safepaths.h"

#include "com/create.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <dlfcn.h>

namespace uninst {

void UnregisterServer(const QString &localPath)
{
    // A symbolic link would have the component it leads to, not the product's, unregister
    // itself: the link goes as a link, unregistered.
    if (IsSymbolicLink(localPath))
        return;
    const QString name = QFileInfo(localPath).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return;
    const QString extension = name.mid(dot).toLower();
    // The component runs with its own folder current, as it would be registered.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QFileInfo(localPath).absolutePath());
    if (extension == QLatin1String(".exe")) {
        // Started, not waited for.
        QProcess::startDetached(localPath, {QStringLiteral("/unregserver")});
        QThread::msleep(50);
    } else if (extension != QLatin1String(".tlb")) {
        if (void *library = dlopen(QFile::encodeName(localPath).constData(), RTLD_NOW | RTLD_LOCAL)) {
            if (auto entry = reinterpret_cast<com::DllEntryFunction>(dlsym(library, "DllUnregisterServer")))
                entry();
            dlclose(library);
        }
    }
    QDir::setCurrent(previous);
}

} // namespace uninst
