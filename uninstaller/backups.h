#pragma once
// Backups of files the installation replaced: restored when the user asks for it and the
// installed file is still the one the installer left (same last-write time and version),
// then deleted in every case.
#include "runlists.h"
#include "uninstdata.h"

#include <QString>

namespace uninst {

// The fixed file version (its more and less significant words) of a file: 1, or -1 no
// version information (a symbolic link has none), -3 unreadable.
int GetFileVersionPair(const QString &path, uint32_t *high, uint32_t *low);

// 0 equal, 1 when a is older than b, -1 when a is newer (four 16-bit parts compared in turn).
int CompareVersions(uint32_t highA, uint32_t lowA, uint32_t highB, uint32_t lowB);

// A file's last-write time as the two 32-bit halves of a FILETIME (100 ns since 1601); a
// symbolic link's own.
bool LastWriteTime(const QString &path, uint32_t *high, uint32_t *low);

void ProcessBackups(const std::vector<BackupLine> &lines, bool hasBody, const StepContext &context);

} // namespace uninst
