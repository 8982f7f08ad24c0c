#include "registry/keytree.h"

#include "profile/ansi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace reg::detail {

QString foldName(const QString &name)
{
    return name.toCaseFolded();
}

namespace {

// Values keep the order they were set in: a scan, comparing without a copy of each name.
std::vector<RegValue>::iterator findValueByName(std::vector<RegValue> &values, const QString &name)
{
    return std::find_if(values.begin(), values.end(), [&](const RegValue &value) {
        return value.name.compare(name, Qt::CaseInsensitive) == 0;
    });
}

bool foldedBefore(const RegKey &key, const QString &folded) { return foldName(key.name) < folded; }

// Subkeys are sorted by folded name: the first one not before `folded`.
std::vector<RegKey>::iterator subkeyPlace(std::vector<RegKey> &subkeys, const QString &folded)
{
    return std::lower_bound(subkeys.begin(), subkeys.end(), folded, foldedBefore);
}

std::vector<RegKey>::iterator findSubkeyByName(std::vector<RegKey> &subkeys, const QString &name)
{
    const QString folded = foldName(name);
    const auto place = subkeyPlace(subkeys, folded);
    return place != subkeys.end() && foldName(place->name) == folded ? place : subkeys.end();
}

bool isTextType(uint32_t type)
{
    return type == 1 /*REG_SZ*/ || type == 2 /*REG_EXPAND_SZ*/;
}

// Texts are kept readable in the store when they survive the trip: ANSI bytes ending in one
// NUL and holding no other. Anything else is kept as hexadecimal bytes.
QJsonObject valueToJson(const RegValue &value)
{
    QJsonObject object{{"name", value.name}, {"type", static_cast<qint64>(value.type)}};
    const QByteArray &data = value.data;
    const bool plainText = isTextType(value.type) && data.endsWith('\0') && data.indexOf('\0') == data.size() - 1;
    if (plainText)
        object.insert("text", ansi::ToUnicode(data.left(data.size() - 1)));
    else
        object.insert("hex", QString::fromLatin1(data.toHex()));
    return object;
}

RegValue valueFromJson(const QJsonObject &object)
{
    RegValue value;
    value.name = object.value("name").toString();
    value.type = static_cast<uint32_t>(object.value("type").toInteger());
    if (object.contains("text"))
        value.data = ansi::FromUnicode(object.value("text").toString()) + QByteArray(1, '\0');
    else
        value.data = QByteArray::fromHex(object.value("hex").toString().toLatin1());
    return value;
}

QJsonObject keyToJson(const RegKey &key)
{
    QJsonArray values;
    for (const RegValue &value : key.values)
        values.append(valueToJson(value));
    QJsonArray subkeys;
    for (const RegKey &subkey : key.subkeys)
        subkeys.append(keyToJson(subkey));
    QJsonObject object{{"name", key.name}, {"values", values}, {"keys", subkeys}};
    if (key.readOnly)
        object.insert("readOnly", true);
    return object;
}

RegKey keyFromJson(const QJsonObject &object)
{
    RegKey key;
    key.name = object.value("name").toString();
    key.readOnly = object.value("readOnly").toBool();
    for (const QJsonValue &value : object.value("values").toArray())
        key.values.push_back(valueFromJson(value.toObject()));
    for (const QJsonValue &subkey : object.value("keys").toArray())
        key.subkeys.push_back(keyFromJson(subkey.toObject()));
    // Look-ups search by folded name: keep that order whatever the file holds.
    std::stable_sort(key.subkeys.begin(), key.subkeys.end(),
                     [](const RegKey &a, const RegKey &b) { return foldName(a.name) < foldName(b.name); });
    return key;
}

} // namespace

RegKey *RegKey::findSubkey(const QString &subkeyName)
{
    const auto it = findSubkeyByName(subkeys, subkeyName);
    return it == subkeys.end() ? nullptr : &*it;
}

RegKey &RegKey::addSubkey(const QString &subkeyName)
{
    const auto at = subkeyPlace(subkeys, foldName(subkeyName));
    RegKey key;
    key.name = subkeyName;
    return *subkeys.insert(at, std::move(key));
}

bool RegKey::removeSubkey(const QString &subkeyName)
{
    const auto it = findSubkeyByName(subkeys, subkeyName);
    if (it == subkeys.end())
        return false;
    subkeys.erase(it);
    return true;
}

RegValue *RegKey::findValue(const QString &valueName)
{
    const auto it = findValueByName(values, valueName);
    return it == values.end() ? nullptr : &*it;
}

bool RegKey::removeValue(const QString &valueName)
{
    const auto it = findValueByName(values, valueName);
    if (it == values.end())
        return false;
    values.erase(it);
    return true;
}

RegKey *findKey(RegKey &root, const QStringList &path)
{
    RegKey *key = &root;
    for (const QString &name : path) {
        key = key->findSubkey(name);
        if (!key)
            return nullptr;
    }
    return key;
}

QStringList splitKeyPath(const QString &subKey)
{
    return subKey.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

QByteArray serialize(const RegKey &root)
{
    return QJsonDocument(keyToJson(root)).toJson(QJsonDocument::Indented);
}

std::optional<RegKey> deserialize(const QByteArray &text)
{
    if (text.trimmed().isEmpty())
        return RegKey{};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return keyFromJson(document.object());
}

} // namespace reg::detail
