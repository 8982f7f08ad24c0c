#pragma once
// The in-memory tree of one root: keys with their values and subkeys, and its text form.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace reg::detail {

struct RegValue {
    QString name;
    uint32_t type = 0;
    QByteArray data;
};

struct RegKey {
    QString name;
    bool readOnly = false;
    std::vector<RegValue> values;   // in the order they were first set
    std::vector<RegKey> subkeys;    // sorted by folded name

    RegKey *findSubkey(const QString &name);
    // Inserts a new subkey keeping the order; the name must not exist yet.
    RegKey &addSubkey(const QString &name);
    bool removeSubkey(const QString &name);

    RegValue *findValue(const QString &name);
    bool removeValue(const QString &name);
};

// Names compare without regard to case.
QString foldName(const QString &name);

// The key reached by the path from `root`, or null.
RegKey *findKey(RegKey &root, const QStringList &path);

// Splits "a\b\c" into its names; empty names (doubled or trailing "\") are skipped.
QStringList splitKeyPath(const QString &subKey);

// Text form of a tree (JSON). An empty text gives an empty root; unparsable text gives nothing.
QByteArray serialize(const RegKey &root);
std::optional<RegKey> deserialize(const QByteArray &text);

} // namespace reg::detail
