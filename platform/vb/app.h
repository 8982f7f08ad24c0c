#pragma once
// The program folder and the Windows-form paths built from it.
#include <QString>

namespace vb {

// The program folder (App.Path): the folder of the running executable, or HOTEL_PROGRAM_DIR when that is
// set (tests run from another folder than the program's), or the folder given to SetAppPath.
QString AppPath();
void SetAppPath(const QString &folder);   // an empty folder returns to the default

// A path written the Windows way ("C:\dir\\config.ini" style backslashes) as a native path: forward
// slashes, doubled separators collapsed.
QString NativePath(const QString &windowsPath);

} // namespace vb
