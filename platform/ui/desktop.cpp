#include "ui/desktop.h"

#include "vb/app.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace ui {

namespace {
bool isAddress(const QString &target)
{
    const QUrl url(target, QUrl::StrictMode);
    // A one-letter scheme is a drive letter, not an address.
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
}
} // namespace

bool OpenWithDesktop(const QString &target)
{
    if (target.trimmed().isEmpty())
        return false;
    if (isAddress(target))
        return QDesktopServices::openUrl(QUrl(target));
    const QFileInfo file(vb::NativePath(target));
    if (!file.exists())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

bool StartInstalledProgram(const QStringList &candidates, const QStringList &arguments)
{
    for (const QString &candidate : candidates) {
        const QFileInfo given(candidate);
        const QString program = given.isAbsolute()
                                    ? (given.isExecutable() ? candidate : QString())
                                    : QStandardPaths::findExecutable(candidate);
        if (program.isEmpty())
            continue;
        return QProcess::startDetached(program, arguments);
    }
    return false;
}

} // namespace ui
