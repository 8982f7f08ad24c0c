#pragma once
// A private machine for one uninstaller test: its drives under a scratch folder
// (HOTEL_DRIVE_ROOT), its own registry store (HOTEL_REGISTRY_DIR) and temporary folder
// (TMPDIR), with canaries outside and beside the product that must survive every run.
#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace uninsttest {

class Scratch {
public:
    // A new, empty machine; the environment points at it until the next one is made.
    Scratch();

    const QString &root() const { return root_; }
    // The local path of a Windows path on this machine's drives.
    QString local(const QString &windowsPath) const;
    void write(const QString &windowsPath, const QByteArray &bytes = "content") const;
    bool exists(const QString &windowsPath) const;
    // The environment of a child process on this machine.
    QProcessEnvironment environment() const;

    // Files, links and registry keys that no run may touch: a folder outside the drives,
    // a link to it inside the product's folder, a file beside the product, a key beside the
    // product's key in every root and a value beside its shared-file counters.
    void plantCanaries() const;
    // The canaries that are missing or changed; empty when all survived.
    QStringList damagedCanaries() const;
    QString outsideFolder() const { return root_ + QStringLiteral("/outside"); }

private:
    QString root_;
};

// Sets a registry value (REG_SZ text, or REG_DWORD number) and creates its key.
void SetRegistryText(int root, const QString &key, const QString &name, const QString &text);
void SetRegistryNumber(int root, const QString &key, const QString &name, uint32_t number);
bool RegistryKeyExists(int root, const QString &key);
bool RegistryValueExists(int root, const QString &key, const QString &name);
// The DWORD value, or -1 when there is none.
int64_t RegistryNumber(int root, const QString &key, const QString &name);

} // namespace uninsttest
