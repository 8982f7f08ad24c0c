#pragma once
// Unregistering a component file before it is deleted: a library's DllUnregisterServer, a
// server program started with "/unregserver". Type libraries have no registration on this
// platform, so there is nothing to undo for them.
#include <QString>

namespace uninst {

// A symbolic link is not unregistered.
void UnregisterServer(const QString &localPath);

} // namespace uninst
