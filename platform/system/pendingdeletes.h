#pragma once
// Deletion at the next start of the system, and the request for a restart. Linux has
// neither for a program to ask: both are recorded in the registry store the way the
// platform keeps them (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager), and the
// tool run-pending-deletes carries the list out, standing for the restart.
#include <QString>
#include <QStringList>

namespace sys {

// Adds a native path to the pending list; false when the store cannot be written.
bool DeleteAtNextStart(const QString &path);
QStringList PendingDeletions();

void RequestRestart();
bool RestartRequested();

// Deletes every pending path (a file, a symbolic link as itself, an empty folder), never
// through a link on its way (such a path stays), then empties the list and clears the
// restart request. Returns the paths that could not go.
QStringList CarryOutPendingDeletions();

// Deletes a file or symbolic link, or removes an empty folder, never following a link.
// Returns 0, or the Windows error the platform would give: 2 file not found, 3 path not
// found, 5 access denied, 32 in use (another program holds the file locked), 145 folder
// not empty, 267 not a folder.
int DeleteFileEntry(const QString &path);
int RemoveFolder(const QString &path);

} // namespace sys
