#include "system/drivepaths.h"

#include <QStringList>

namespace sys {

QString DriveFolder(QChar letter)
{
    const QChar drive = letter.toLower();
    const QString root = qEnvironmentVariable("HOTEL_DRIVE_ROOT");
    if (!root.isEmpty())
        return root + QLatin1Char('/') + drive;
    return drive == QLatin1Char('c') ? QStringLiteral("/") : QStringLiteral("/mnt/") + drive;
}

std::optional<QString> LocalPath(const QString &windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QChar drive = QLatin1Char('c');
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter() && path.at(0).unicode() < 128) {
        drive = path.at(0);
        path = path.mid(2);
    } else if (path.startsWith(QLatin1String("\\\\"))) {
        return std::nullopt;   // a network path
    }
    if (!path.startsWith(QLatin1Char('\\')))
        return std::nullopt;   // relative: to what, at removal time?
    QStringList parts;
    for (const QString &part : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return std::nullopt;
            parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    if (parts.isEmpty())
        return std::nullopt;   // the drive itself
    QString folder = DriveFolder(drive);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + parts.join(QLatin1Char('/'));
}

QString WindowsDirectory()
{
    return *LocalPath(QStringLiteral("C:\\Windows"));
}

} // namespace sys
