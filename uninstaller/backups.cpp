#include "backups.h"

#include "safepaths.h"
#include "texts.h"

#include "system/pendingdeletes.h"
#include "ui/dialogs.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace uninst {

int GetFileVersionPair(const QString &path, uint32_t *high, uint32_t *low)
{
    if (IsSymbolicLink(path))
        return -1;   // a link has no version of its own, and the file it leads to is not ours
    const std::optional<RegularFile> file = ReadRegularFile(path);
    if (!file)
        return -3;
    // The fixed version block starts with its signature 0xFEEF04BD (little-endian); the
    // file version's two words follow the signature and the structure version.
    const QByteArray &bytes = file->bytes;
    const qsizetype at = bytes.indexOf(QByteArray::fromHex("bd04effe"));
    if (at < 0 || at + 16 > bytes.size())
        return -1;
    const auto word = [&](qsizetype offset) {
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | uint8_t(bytes[offset + i]);
        return value;
    };
    *high = word(at + 8);
    *low = word(at + 12);
    return 1;
}

int CompareVersions(uint32_t highA, uint32_t lowA, uint32_t highB, uint32_t lowB)
{
    const uint16_t a[4] = {uint16_t(highA >> 16), uint16_t(highA), uint16_t(lowA >> 16), uint16_t(lowA)};
    const uint16_t b[4] = {uint16_t(highB >> 16), uint16_t(highB), uint16_t(lowB >> 16), uint16_t(lowB)};
    for (int i = 0; i < 4; ++i) {
        if (a[i] < b[i])
            return 1;
        if (a[i] > b[i])
            return -1;
    }
    return 0;
}

bool LastWriteTime(const QString &path, uint32_t *high, uint32_t *low)
{
    struct stat info;   // of a symbolic link itself, never of the file it leads to
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    constexpr uint64_t secondsFrom1601To1970 = 11644473600ULL;
    const uint64_t ticks = (uint64_t(info.st_mtim.tv_sec) + secondsFrom1601To1970) * 10000000ULL
                           + uint64_t(info.st_mtim.tv_nsec) / 100;
    *high = uint32_t(ticks >> 32);
    *low = uint32_t(ticks);
    return true;
}

namespace {

// The backup takes the target's place; a link at either end is neither read nor written
// through.
void copyOver(const QString &backup, const QString &target)
{
    if (const std::optional<RegularFile> source = ReadRegularFile(backup))
        ReplaceWithFile(target, source->bytes, source->mode);
}

// The installed file is still what the installer left: same last-write time and version.
// A file without version information counts as version 0.0.0.0, which is what the
// installer records for such a file.
bool unchangedSinceInstallation(const QString &target, const BackupLine &line)
{
    uint32_t timeHigh = 0, timeLow = 0;
    if (!LastWriteTime(target, &timeHigh, &timeLow) || timeHigh != line.timeHigh || timeLow != line.timeLow)
        return false;
    uint32_t high = 0, low = 0;
    if (GetFileVersionPair(target, &high, &low) != 1)
        high = low = 0;
    return CompareVersions(high, low, line.versionHigh, line.versionLow) == 0;
}

void restore(const BackupLine &line)
{
    const std::optional<QString> backup = SafeLocalPath(line.backupPath);
    const std::optional<QString> target = SafeLocalPath(line.targetPath);
    if (!backup)
        return;
    if (target && QFileInfo(*backup).absoluteFilePath() == QFileInfo(*target).absoluteFilePath())
        return;   // the backup is the installed file itself: nothing to copy, nothing to delete
    // Gone, or still as installed: the backup takes its place. A symbolic link counts as
    // the entry it is, with its own date.
    if (target && (!EntryExists(*target) || unchangedSinceInstallation(*target, line)))
        copyOver(*backup, *target);
    sys::DeleteFileEntry(*backup);
}

} // namespace

void ProcessBackups(const std::vector<BackupLine> &lines, bool hasBody, const StepContext &context)
{
    if (!hasBody)
        return;
    const bool restoring = !context.silent
                           && ui::MsgBoxCaptioned(MessageText(3), ui::vbYesNo, context.caption) == ui::vbYes;
    for (const BackupLine &line : lines) {
        if (restoring) {
            restore(line);
        } else if (const std::optional<QString> backup = SafeLocalPath(line.backupPath)) {
            const std::optional<QString> target = SafeLocalPath(line.targetPath);
            if (!target || *target != *backup)
                sys::DeleteFileEntry(*backup);
        }
    }
}

} // namespace uninst
