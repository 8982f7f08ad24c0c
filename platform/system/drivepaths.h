#pragma once
// Windows-form paths with drive letters ("C:\Program Files\Brevant\Hotel.exe") as paths of
// this machine. Every drive lies under one folder: $HOTEL_DRIVE_ROOT/<letter> when that is
// set (tests point it at a scratch folder), otherwise drive C is "/" and drive X is /mnt/x.
#include <QString>

#include <optional>

namespace sys {

// The native folder of a drive letter.
QString DriveFolder(QChar letter);

// The native path, or nullopt for a path that names nothing safely: empty, relative, a
// network path, a drive or file-system root itself, or ".." climbing above its drive.
// A path without a drive letter ("\Windows") lies on drive C.
std::optional<QString> LocalPath(const QString &windowsPath);

// The Windows directory ("C:\Windows") of this machine.
QString WindowsDirectory();

} // namespace sys
