#pragma once
// The shell's "open" and starting a helper program, done the nearest sound way on Linux.
#include <QString>
#include <QStringList>

namespace ui {

// Opens a local file (a path in Windows form too) with its desktop handler, or an address
// ("https://...") with the browser. A local file that does not exist opens nothing and gives false.
bool OpenWithDesktop(const QString &target);

// Starts the first candidate found on the PATH (or given by its full path), detached.
// False when none is installed or it could not be started.
bool StartInstalledProgram(const QStringList &candidates, const QStringList &arguments);

} // namespace ui
