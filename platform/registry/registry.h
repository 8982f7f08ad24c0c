#pragma once
// A registry of keys and values in the shape of the Win32 registry functions, kept in one
// file per root under RegistryDirectory(). Key and value names are matched without regard
// to case and keep the case they were created with. Every call works on the file as it is
// on disk now, so several processes share one registry; changes are made under a file lock
// and land atomically.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>

namespace reg {

using LONG = int32_t;
using DWORD = uint32_t;

// Win32 error codes returned by the functions below.
enum : LONG {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_BAD_PATHNAME = 161, // a subkey path with a leading separator
    ERROR_MORE_DATA = 234,
    ERROR_NO_MORE_ITEMS = 259,
    ERROR_NOACCESS = 998,     // a null data pointer with a size
    ERROR_BADDB = 1009,       // a store file that cannot be parsed (never overwritten)
    ERROR_CANTWRITE = 1013,   // a store file that cannot be written
    ERROR_KEY_DELETED = 1018, // the key of an open handle no longer exists
};

// Value types.
enum : DWORD {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_MULTI_SZ = 7,
};

// Access rights of a handle.
enum : DWORD {
    KEY_QUERY_VALUE = 0x0001,
    KEY_SET_VALUE = 0x0002,
    KEY_CREATE_SUB_KEY = 0x0004,
    KEY_ENUMERATE_SUB_KEYS = 0x0008,
    KEY_NOTIFY = 0x0010,
    KEY_CREATE_LINK = 0x0020,
    KEY_DELETE = 0x10000,
    KEY_READ = 0x20019,
    KEY_WRITE = 0x20006,
    KEY_ALL_ACCESS = 0xF003F,
};

// Dispositions of RegCreateKeyEx.
enum : DWORD {
    REG_CREATED_NEW_KEY = 1,
    REG_OPENED_EXISTING_KEY = 2,
};

enum class Root { ClassesRoot, CurrentUser, LocalMachine, Users };

// An open key: its root, the names leading to it and the access it was opened with.
// A handle is a plain value; closing it releases nothing.
class HKEY {
public:
    HKEY() = default;   // no key: every call with it gives ERROR_INVALID_HANDLE
    HKEY(Root root, QStringList path, DWORD access)
        : root_(root), path_(std::move(path)), access_(access), valid_(true) {}

    bool isValid() const { return valid_; }
    Root root() const { return root_; }
    const QStringList &path() const { return path_; }
    DWORD access() const { return access_; }

private:
    Root root_ = Root::ClassesRoot;
    QStringList path_;
    DWORD access_ = 0;
    bool valid_ = false;
};

inline const HKEY HKEY_CLASSES_ROOT{Root::ClassesRoot, {}, KEY_ALL_ACCESS};
inline const HKEY HKEY_CURRENT_USER{Root::CurrentUser, {}, KEY_ALL_ACCESS};
inline const HKEY HKEY_LOCAL_MACHINE{Root::LocalMachine, {}, KEY_ALL_ACCESS};
inline const HKEY HKEY_USERS{Root::Users, {}, KEY_ALL_ACCESS};

// "HKEY_CLASSES_ROOT", ... as Windows names the roots.
QString RootName(Root root);

// $HOTEL_REGISTRY_DIR, else ~/.local/share/brevant/registry.
QString RegistryDirectory();

// subKey is a path of names separated by "\" below `key`; "" names `key` itself. A path that
// starts with "\" gives ERROR_BAD_PATHNAME, except "\" alone under a root, which opens a
// new handle to that root; doubled and trailing separators are ignored.
// On failure *result becomes the invalid handle.
LONG RegOpenKeyEx(const HKEY &key, const QString &subKey, DWORD options, DWORD samDesired, HKEY *result);
// Opens the key, creating it and any missing keys on the way. As on Windows, the rights of
// the handle `key` do not matter here; a read-only key still refuses new subkeys.
LONG RegCreateKeyEx(const HKEY &key, const QString &subKey, DWORD samDesired, HKEY *result,
                    DWORD *disposition = nullptr);
LONG RegCloseKey(const HKEY &key);
// Deletes a key that has no subkeys (ERROR_ACCESS_DENIED when it has some, as on NT). An
// empty subKey deletes the handle's own key; a root cannot be deleted.
LONG RegDeleteKey(const HKEY &key, const QString &subKey);
// Deletes a key with everything below it. An empty subKey empties the handle's own key (every
// subkey and value, the default value included) and keeps it; that needs KEY_SET_VALUE.
LONG RegDeleteTree(const HKEY &key, const QString &subKey);

// Subkeys are enumerated in the order of their names without regard to case.
LONG RegEnumKeyEx(const HKEY &key, DWORD index, QString *name);

// valueName "" is the key's default value. Data are bytes as the ANSI functions see them:
// texts in Windows-1252 with their terminating NUL, REG_DWORD as four little-endian bytes.
// Exactly the cbData bytes given are read and stored, never one more. A null data pointer with
// a size gives ERROR_NOACCESS.
LONG RegSetValueEx(const HKEY &key, const QString &valueName, DWORD type, const uint8_t *data, DWORD cbData);
// Windows' rule, for a caller whose text is still terminated in its buffer: a text (REG_SZ,
// REG_EXPAND_SZ, REG_MULTI_SZ) whose counted bytes leave out its terminating NUL gets it when
// the byte right after them is that NUL. That byte is read whenever the last counted one is no
// NUL: the buffer must reach it, as a terminated text's does.
LONG RegSetTerminatedValueEx(const HKEY &key, const QString &valueName, DWORD type, const uint8_t *data,
                             DWORD cbData);
// *cbData holds the buffer size on entry and the data size on return; with data null only
// the size is given; a buffer too small gives ERROR_MORE_DATA. type, data, cbData may be null,
// and type and cbData may be the same variable (the size wins). A text stored without its NUL
// gets one after the data when the buffer has room (not counted in *cbData). A missing value
// sets *cbData to 0 when only the size was asked.
LONG RegQueryValueEx(const HKEY &key, const QString &valueName, DWORD *type, uint8_t *data, DWORD *cbData);
// Values are enumerated in the order they were first set. data/cbData as for RegQueryValueEx.
LONG RegEnumValue(const HKEY &key, DWORD index, QString *valueName, DWORD *type, uint8_t *data,
                  DWORD *cbData);
// The same with a name buffer of *cchValueName characters, its NUL included: on return it holds
// the name's length. When the name or the data does not fit, ERROR_MORE_DATA leaves the name,
// *cchValueName and the data buffer alone and gives only the type and the data size.
LONG RegEnumValue(const HKEY &key, DWORD index, QString *valueName, DWORD *cchValueName, DWORD *type,
                  uint8_t *data, DWORD *cbData);
LONG RegDeleteValue(const HKEY &key, const QString &valueName);

// Marks a key read-only (or writable again): opening it for any write access, changing its
// values, creating keys below it or deleting it then gives ERROR_ACCESS_DENIED.
LONG SetKeyReadOnly(const HKEY &key, const QString &subKey, bool readOnly);

// Many calls as one: from the first call that touches a root until the batch ends, this
// process holds that root's lock and keeps its tree in memory; every change is written once,
// when the batch ends. Other processes wait for the root meanwhile, so a batch spans one
// step of work, never a question to the user. Batches nest (the outermost one writes); a
// batch that touches several roots takes them in the order of Root, as every batch does.
class Batch {
public:
    Batch();
    ~Batch();   // ends the batch
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

    // Writes what changed and lets the roots go (the outermost batch only); the calls after
    // it start the batch again. ERROR_CANTWRITE when a root's store could not be written.
    LONG end();
};

// Typed conveniences over RegSetValueEx / RegQueryValueEx.
LONG SetStringValue(const HKEY &key, const QString &valueName, const QString &text, DWORD type = REG_SZ);
LONG SetDwordValue(const HKEY &key, const QString &valueName, DWORD number);
// Reads REG_SZ or REG_EXPAND_SZ (up to the first NUL); another type gives ERROR_INVALID_PARAMETER.
LONG QueryStringValue(const HKEY &key, const QString &valueName, QString *text);
// Reads REG_DWORD; another type gives ERROR_INVALID_PARAMETER.
LONG QueryDwordValue(const HKEY &key, const QString &valueName, DWORD *number);

} // namespace reg
