#pragma once
// The uninstallation data appended to the uninstaller's executable: the file's tail, the
// two scrambled and checksummed layers, the header with its three tables, the product
// information and the five sections. Everything is checked against the bytes that are there
// before anything is removed: a count, length or offset that passes the end makes the data
// corrupt.
#include "bytestring.h"

#include <array>
#include <string>
#include <vector>

namespace uninst {

// Checks and undoes one layer in place: true when its eight checksum lanes match; the data
// is then 10 bytes shorter. A layer shorter than 10 bytes is false and left untouched.
bool UnwrapDataLayer(ByteString *data);

enum class DataStatus { Read, Unreadable, OutOfMemory, Corrupt };

// More appended data than this is taken for a broken offset rather than allocated.
inline constexpr int64_t MaxAppendedData = 64 * 1024 * 1024;

struct AppendedData {
    DataStatus status = DataStatus::Corrupt;
    std::string reason;     // why it was refused
    ByteString wrapped;     // the outer layer as stored
};

// The data between the offset in the last four bytes (little-endian) and those bytes.
AppendedData TakeAppendedData(const ByteString &fileBytes);
AppendedData ReadAppendedData(const std::string &path);

struct ProductInfo {
    ByteString name;
    ByteString commandKind;
    ByteString commandLine;
};

struct BackupLine {
    ByteString backupPath;
    ByteString targetPath;
    uint32_t versionHigh = 0, versionLow = 0, timeHigh = 0, timeLow = 0;
};

struct RegistryValueEntry {
    ByteString name;
    uint32_t flag = 0;      // 1: delete the value
};

struct RegistrySubkey;
struct RegistryNode {
    std::vector<RegistryValueEntry> values;
    std::vector<RegistrySubkey> subkeys;
};

// Subkey flags.
enum : uint32_t { RemoveKey = 1, RemoveOnlyWhenEmpty = 2, RemoveSubtree = 4, KeepWithSubkeys = 8 };

struct RegistrySubkey {
    uint32_t flags = 0;
    ByteString name;
    RegistryNode node;
};

// Nesting deeper than this is refused as corrupt (the registry itself allows 512 levels).
inline constexpr int MaxRegistryDepth = 512;

struct UninstallData {
    bool hasHeader = false;
    int headerFlag = 0;         // the installer's flag character behind the "\"
    ByteString messageTable;    // empty when the header block is empty
    ByteString windowTemplate;
    ByteString imageTable;
    ProductInfo product;
    std::vector<ByteString> shared;
    bool hasBackupsBody = false;        // the backups body is longer than 2 bytes
    std::vector<BackupLine> backups;
    std::vector<ByteString> files;
    std::vector<ByteString> directories;
    bool hasRegistryTree = false;           // the registry section is not empty
    std::array<RegistryNode, 4> registry;   // classes root, current user, local machine, users
};

struct DataResult {
    DataStatus status = DataStatus::Corrupt;
    std::string reason;
    UninstallData data;
};

// Unwraps both layers and reads everything the run needs.
DataResult ReadUninstallData(ByteString wrapped);
// The same on data whose layers are already undone.
DataResult ReadUnwrappedData(const ByteString &data);

// The sections' header lines, in the order they follow each other.
inline constexpr std::array<const char *, 5> SectionHeaders = {
    "Shared:\r\n", "Backups:\r\n", "Files:\r\n", "Directories:\r\n", "Registry:\r\n"};

} // namespace uninst
