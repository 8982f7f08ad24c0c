// The file-backed registry: Win32 results, case rules, read-only keys, persistence across
// processes and two processes writing at once.
#include "registry/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cstring>
#include <memory>

using namespace reg;

namespace {

// Child mode of this test program: writes `count` REG_DWORD values "<prefix><i>" = i under
// HKCU\Software\Brevant\Shared, each in its own call.
int writeValuesAsChild(const QString &prefix, int count)
{
    HKEY key;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Brevant\\Shared"), KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 2;
    for (int i = 0; i < count; ++i)
        if (SetDwordValue(key, prefix + QString::number(i), DWORD(i)) != ERROR_SUCCESS)
            return 3;
    return 0;
}

QString queryString(const HKEY &key, const QString &name)
{
    QString text;
    const LONG error = QueryStringValue(key, name, &text);
    return error == ERROR_SUCCESS ? text : QStringLiteral("<error %1>").arg(error);
}

HKEY create(const HKEY &root, const QString &path, DWORD access = KEY_ALL_ACCESS)
{
    HKEY key;
    const LONG error = RegCreateKeyEx(root, path, access, &key);
    if (error != ERROR_SUCCESS)
        qWarning("RegCreateKeyEx(%s) gave %d", qPrintable(path), int(error));
    return key;
}

QStringList subkeyNames(const HKEY &key)
{
    QStringList names;
    QString name;
    for (DWORD i = 0; RegEnumKeyEx(key, i, &name) == ERROR_SUCCESS; ++i)
        names.append(name);
    return names;
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // Every case starts from an empty registry.
        QDir(RegistryDirectory()).removeRecursively();
    }

    void storeLivesWhereTheEnvironmentSays()
    {
        QVERIFY(!qEnvironmentVariable("HOTEL_REGISTRY_DIR").isEmpty());
        QCOMPARE(RegistryDirectory(), qEnvironmentVariable("HOTEL_REGISTRY_DIR"));
        create(HKEY_LOCAL_MACHINE, QStringLiteral("Software"));
        QVERIFY(QFile::exists(RegistryDirectory() + QStringLiteral("/HKEY_LOCAL_MACHINE.json")));
        QVERIFY(!QFile::exists(RegistryDirectory() + QStringLiteral("/HKEY_CURRENT_USER.json")));
    }

    void keysMatchWithoutCaseAndKeepTheirCase()
    {
        DWORD disposition = 0;
        HKEY key;
        QCOMPARE(RegCreateKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Brevant"), KEY_ALL_ACCESS, &key, &disposition),
                 ERROR_SUCCESS);
        QCOMPARE(disposition, DWORD(REG_CREATED_NEW_KEY));
        QCOMPARE(RegCreateKeyEx(HKEY_CURRENT_USER, QStringLiteral("SOFTWARE\\brevant"), KEY_ALL_ACCESS, &key, &disposition),
                 ERROR_SUCCESS);
        QCOMPARE(disposition, DWORD(REG_OPENED_EXISTING_KEY));
        QCOMPARE(key.path(), (QStringList{QStringLiteral("Software"), QStringLiteral("Brevant")}));

        HKEY software;
        QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("software"), 0, KEY_READ, &software), ERROR_SUCCESS);
        QCOMPARE(subkeyNames(software), QStringList{QStringLiteral("Brevant")});

        QCOMPARE(SetStringValue(key, QStringLiteral("InstallDir"), QStringLiteral("/opt/brevant")), ERROR_SUCCESS);
        QCOMPARE(queryString(key, QStringLiteral("INSTALLDIR")), QStringLiteral("/opt/brevant"));
        // Setting it again under another case replaces it: still one value, first spelling.
        QCOMPARE(SetStringValue(key, QStringLiteral("installdir"), QStringLiteral("/srv")), ERROR_SUCCESS);
        QString name;
        QCOMPARE(RegEnumValue(key, 0, &name, nullptr, nullptr, nullptr), ERROR_SUCCESS);
        QCOMPARE(name, QStringLiteral("InstallDir"));
        QCOMPARE(RegEnumValue(key, 1, &name, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    }

    void missingKeysAndValuesGiveNotFound()
    {
        HKEY key;
        QCOMPARE(RegOpenKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("Nowhere"), 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
        key = create(HKEY_LOCAL_MACHINE, QStringLiteral("Somewhere"));
        DWORD size = 0;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("none"), nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
        QCOMPARE(RegDeleteValue(key, QStringLiteral("none")), ERROR_FILE_NOT_FOUND);
        QCOMPARE(RegDeleteKey(HKEY_LOCAL_MACHINE, QStringLiteral("Somewhere\\Deeper")), ERROR_FILE_NOT_FOUND);
        QCOMPARE(RegCloseKey(HKEY()), ERROR_INVALID_HANDLE);
        QCOMPARE(RegSetValueEx(HKEY(), QString(), REG_SZ, nullptr, 0), ERROR_INVALID_HANDLE);
    }

    void valueTypesRoundTripAsBytes()
    {
        const HKEY key = create(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Types"));
        QCOMPARE(SetStringValue(key, QStringLiteral("sz"), QString::fromUtf8("caf\u00e9")), ERROR_SUCCESS);
        QCOMPARE(SetStringValue(key, QStringLiteral("expand"), QStringLiteral("%HOME%/x"), REG_EXPAND_SZ), ERROR_SUCCESS);
        QCOMPARE(SetDwordValue(key, QStringLiteral("count"), 0x01020304), ERROR_SUCCESS);
        const uint8_t blob[] = {0, 1, 0xFF, 0};
        QCOMPARE(RegSetValueEx(key, QStringLiteral("blob"), REG_BINARY, blob, 4), ERROR_SUCCESS);

        DWORD type = 0;
        uint8_t buffer[16] = {};
        DWORD size = sizeof buffer;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("sz"), &type, buffer, &size), ERROR_SUCCESS);
        QCOMPARE(type, DWORD(REG_SZ));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), int(size)), QByteArray("caf\xe9", 5));   // ANSI bytes and NUL

        size = sizeof buffer;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("count"), &type, buffer, &size), ERROR_SUCCESS);
        QCOMPARE(type, DWORD(REG_DWORD));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), int(size)), QByteArray("\x04\x03\x02\x01", 4));

        size = sizeof buffer;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("blob"), &type, buffer, &size), ERROR_SUCCESS);
        QCOMPARE(type, DWORD(REG_BINARY));
        QCOMPARE(size, 4u);
        QCOMPARE(std::memcmp(buffer, blob, 4), 0);

        QCOMPARE(queryString(key, QStringLiteral("expand")), QStringLiteral("%HOME%/x"));
        DWORD number = 0;
        QCOMPARE(QueryDwordValue(key, QStringLiteral("count"), &number), ERROR_SUCCESS);
        QCOMPARE(number, 0x01020304u);
        QCOMPARE(QueryDwordValue(key, QStringLiteral("sz"), &number), ERROR_INVALID_PARAMETER);
    }

    void smallBuffersGetMoreData()
    {
        const HKEY key = create(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Sizes"));
        QCOMPARE(SetStringValue(key, QString(), QStringLiteral("ten chars!")), ERROR_SUCCESS);
        DWORD size = 0;
        QCOMPARE(RegQueryValueEx(key, QString(), nullptr, nullptr, &size), ERROR_SUCCESS);
        QCOMPARE(size, 11u);
        uint8_t buffer[8] = {};
        size = sizeof buffer;
        QCOMPARE(RegQueryValueEx(key, QString(), nullptr, buffer, &size), ERROR_MORE_DATA);
        QCOMPARE(size, 11u);
        QString name;
        size = sizeof buffer;
        QCOMPARE(RegEnumValue(key, 0, &name, nullptr, buffer, &size), ERROR_MORE_DATA);
        QCOMPARE(size, 11u);
    }

    void enumerationOrders()
    {
        const HKEY key = create(HKEY_USERS, QStringLiteral("Order"));
        for (const char *name : {"delta", "Alpha", "charlie", "Bravo"})
            create(key, QString::fromLatin1(name));
        QCOMPARE(subkeyNames(key), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bravo"),
                                                QStringLiteral("charlie"), QStringLiteral("delta")}));
        // Values keep the order they were first set in.
        for (const char *name : {"z", "a", "m"})
            QCOMPARE(SetDwordValue(key, QString::fromLatin1(name), 1), ERROR_SUCCESS);
        QStringList values;
        QString name;
        for (DWORD i = 0; RegEnumValue(key, i, &name, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
            values.append(name);
        QCOMPARE(values, (QStringList{QStringLiteral("z"), QStringLiteral("a"), QStringLiteral("m")}));
        QCOMPARE(RegEnumKeyEx(key, 4, &name), ERROR_NO_MORE_ITEMS);
    }

    void deletion()
    {
        const HKEY app = create(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\App"));
        create(app, QStringLiteral("Sub\\Leaf"));
        QCOMPARE(SetDwordValue(app, QStringLiteral("v"), 1), ERROR_SUCCESS);
        QCOMPARE(RegDeleteValue(app, QStringLiteral("V")), ERROR_SUCCESS);
        QCOMPARE(RegQueryValueEx(app, QStringLiteral("v"), nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);

        // A key with subkeys is refused, as on NT; its leaf goes.
        QCOMPARE(RegDeleteKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\App")), ERROR_ACCESS_DENIED);
        QCOMPARE(RegDeleteKey(app, QStringLiteral("sub\\leaf")), ERROR_SUCCESS);
        QCOMPARE(subkeyNames(create(app, QStringLiteral("Sub"))), QStringList());

        create(app, QStringLiteral("Sub\\Again\\Deep"));
        QCOMPARE(RegDeleteTree(HKEY_LOCAL_MACHINE, QStringLiteral("software\\app")), ERROR_SUCCESS);
        HKEY gone;
        QCOMPARE(RegOpenKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\App"), 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND);
        // The handle of a deleted key finds nothing.
        QCOMPARE(SetDwordValue(app, QStringLiteral("v"), 1), ERROR_KEY_DELETED);
    }

    void readOnlyKeysRefuseChanges()
    {
        const HKEY writable = create(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked"));
        create(writable, QStringLiteral("Child"));
        QCOMPARE(SetDwordValue(writable, QStringLiteral("kept"), 7), ERROR_SUCCESS);
        QCOMPARE(SetKeyReadOnly(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked"), true), ERROR_SUCCESS);

        HKEY key;
        QCOMPARE(RegOpenKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked"), 0, 0x2001F, &key), ERROR_ACCESS_DENIED);
        QCOMPARE(RegCreateKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked"), KEY_WRITE, &key), ERROR_ACCESS_DENIED);
        QCOMPARE(RegCreateKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked\\New"), KEY_READ, &key), ERROR_ACCESS_DENIED);
        QCOMPARE(RegOpenKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked"), 0, KEY_READ, &key), ERROR_SUCCESS);
        DWORD number = 0;
        QCOMPARE(QueryDwordValue(key, QStringLiteral("kept"), &number), ERROR_SUCCESS);
        QCOMPARE(number, 7u);
        // A read handle cannot write, and a handle opened before the lock cannot either.
        QCOMPARE(SetDwordValue(key, QStringLiteral("new"), 1), ERROR_ACCESS_DENIED);
        QCOMPARE(SetDwordValue(writable, QStringLiteral("new"), 1), ERROR_ACCESS_DENIED);
        QCOMPARE(RegDeleteValue(writable, QStringLiteral("kept")), ERROR_ACCESS_DENIED);
        // The child itself stays writable and deletable; the locked key and its tree are not.
        QCOMPARE(RegDeleteKey(writable, QStringLiteral("Child")), ERROR_SUCCESS);
        QCOMPARE(RegDeleteKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked")), ERROR_ACCESS_DENIED);
        QCOMPARE(RegDeleteTree(HKEY_LOCAL_MACHINE, QStringLiteral("Software")), ERROR_ACCESS_DENIED);
        QCOMPARE(RegOpenKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked"), 0, KEY_READ, &key), ERROR_SUCCESS);

        QCOMPARE(SetKeyReadOnly(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Locked"), false), ERROR_SUCCESS);
        QCOMPARE(RegDeleteTree(HKEY_LOCAL_MACHINE, QStringLiteral("Software")), ERROR_SUCCESS);
    }

    void handleAccessIsChecked()
    {
        create(HKEY_CURRENT_USER, QStringLiteral("Access"));
        HKEY readOnly;
        QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Access"), 0, KEY_READ, &readOnly), ERROR_SUCCESS);
        QCOMPARE(SetDwordValue(readOnly, QStringLiteral("v"), 1), ERROR_ACCESS_DENIED);
        // Windows ignores the parent handle's rights when a subkey is created below it.
        HKEY child;
        QCOMPARE(RegCreateKeyEx(readOnly, QStringLiteral("Child"), KEY_READ, &child), ERROR_SUCCESS);
        HKEY writeOnly;
        QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Access"), 0, KEY_SET_VALUE, &writeOnly), ERROR_SUCCESS);
        QCOMPARE(SetDwordValue(writeOnly, QStringLiteral("v"), 1), ERROR_SUCCESS);
        DWORD number = 0;
        QCOMPARE(QueryDwordValue(writeOnly, QStringLiteral("v"), &number), ERROR_ACCESS_DENIED);
        QString name;
        QCOMPARE(RegEnumKeyEx(writeOnly, 0, &name), ERROR_ACCESS_DENIED);
    }

    void emptySubkeyNamesTheHandlesOwnKey()
    {
        HKEY parent = create(HKEY_CURRENT_USER, QStringLiteral("Software\\Parent"));
        HKEY leaf = create(parent, QStringLiteral("deleteme"));
        QCOMPARE(RegDeleteKey(leaf, QString()), ERROR_SUCCESS);
        HKEY key;
        QCOMPARE(RegOpenKeyEx(parent, QStringLiteral("deleteme"), 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);

        create(parent, QStringLiteral("Child"));
        QCOMPARE(RegDeleteKey(parent, QStringLiteral("")), ERROR_ACCESS_DENIED);   // it has a subkey
        QCOMPARE(RegDeleteKey(HKEY_CURRENT_USER, QString()), ERROR_ACCESS_DENIED);  // a root stays

        // Deleting the tree of "" empties the key, its default value included, and keeps it.
        QCOMPARE(SetStringValue(parent, QString(), QStringLiteral("data")), ERROR_SUCCESS);
        QCOMPARE(SetDwordValue(parent, QStringLiteral("n"), 7), ERROR_SUCCESS);
        for (const QString &subKey : {QString(), QStringLiteral("")}) {
            create(parent, QStringLiteral("Child\\Grandchild"));
            QCOMPARE(RegDeleteTree(parent, subKey), ERROR_SUCCESS);
            QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Parent"), 0, KEY_READ, &key), ERROR_SUCCESS);
            QCOMPARE(subkeyNames(key), QStringList());
            QString name;
            QCOMPARE(RegEnumValue(key, 0, &name, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
        }
        HKEY reader;
        QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Parent"), 0, KEY_READ, &reader), ERROR_SUCCESS);
        QCOMPARE(RegDeleteTree(reader, QString()), ERROR_ACCESS_DENIED);   // emptying sets values
    }

    void leadingSeparatorIsABadPath()
    {
        const HKEY main = create(HKEY_CURRENT_USER, QStringLiteral("Software\\Main"));
        create(main, QStringLiteral("Sub"));
        HKEY key = create(main, QStringLiteral("Other"));
        DWORD disposition = 0;
        QCOMPARE(RegCreateKeyEx(main, QStringLiteral("\\Subkey3"), KEY_ALL_ACCESS, &key, &disposition), ERROR_BAD_PATHNAME);
        QVERIFY(!key.isValid());
        QCOMPARE(RegOpenKeyEx(main, QStringLiteral("\\Sub"), 0, KEY_READ, &key), ERROR_BAD_PATHNAME);
        QCOMPARE(RegDeleteKey(main, QStringLiteral("\\Sub")), ERROR_BAD_PATHNAME);
        QCOMPARE(RegDeleteTree(main, QStringLiteral("\\Sub")), ERROR_BAD_PATHNAME);
        QCOMPARE(subkeyNames(main), (QStringList{QStringLiteral("Other"), QStringLiteral("Sub")}));
        // Trailing separators are no harm.
        QCOMPARE(RegCreateKeyEx(main, QStringLiteral("Subkey4\\\\"), KEY_ALL_ACCESS, &key, &disposition), ERROR_SUCCESS);
        QCOMPARE(disposition, DWORD(REG_CREATED_NEW_KEY));
        QCOMPARE(RegOpenKeyEx(main, QStringLiteral("Sub\\"), 0, KEY_READ, &key), ERROR_SUCCESS);
    }

    void failedOpenGivesTheInvalidHandle()
    {
        HKEY key = create(HKEY_CURRENT_USER, QStringLiteral("Present"));
        QVERIFY(key.isValid());
        QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Present\\Nonexistent"), 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
        QVERIFY(!key.isValid());
    }

    // The ANSI functions' rules for texts and sizes.
    void stringValuesGetTheirNul()
    {
        const HKEY key = create(HKEY_CURRENT_USER, QStringLiteral("Strings"));
        for (const DWORD type : {DWORD(REG_SZ), DWORD(REG_EXPAND_SZ), DWORD(REG_MULTI_SZ)}) {
            QCOMPARE(RegSetTerminatedValueEx(key, QStringLiteral("v"), type, reinterpret_cast<const uint8_t *>("abc"), 3),
                     ERROR_SUCCESS);
            DWORD size = 0;
            QCOMPARE(RegQueryValueEx(key, QStringLiteral("v"), nullptr, nullptr, &size), ERROR_SUCCESS);
            QCOMPARE(size, 4u);
        }
        // Binary data and texts that already end in NUL keep their size.
        QCOMPARE(RegSetValueEx(key, QStringLiteral("b"), REG_BINARY, reinterpret_cast<const uint8_t *>("abc"), 3), ERROR_SUCCESS);
        QCOMPARE(RegSetValueEx(key, QStringLiteral("z"), REG_SZ, reinterpret_cast<const uint8_t *>("ab\0"), 3), ERROR_SUCCESS);
        for (const char *name : {"b", "z"}) {
            DWORD size = 0;
            QCOMPARE(RegQueryValueEx(key, QString::fromLatin1(name), nullptr, nullptr, &size), ERROR_SUCCESS);
            QCOMPARE(size, 3u);
        }
        // A text stored without a NUL (the empty one) reads with a NUL after it when there is room.
        QCOMPARE(RegSetValueEx(key, QStringLiteral("empty"), REG_SZ, reinterpret_cast<const uint8_t *>(""), 0), ERROR_SUCCESS);
        uint8_t buffer[4] = {'x', 'x', 'x', 'x'};
        DWORD size = sizeof buffer;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("empty"), nullptr, buffer, &size), ERROR_SUCCESS);
        QCOMPARE(size, 0u);
        QCOMPARE(buffer[0], uint8_t(0));
        QString name;
        DWORD nameSize = 10;
        uint8_t enumerated[4] = {'x', 'x', 'x', 'x'};
        size = sizeof enumerated;
        QCOMPARE(RegEnumValue(key, 3, &name, &nameSize, nullptr, enumerated, &size), ERROR_SUCCESS);
        QCOMPARE(name, QStringLiteral("empty"));
        QCOMPARE(enumerated[0], uint8_t(0));
    }

    // What RegSetTerminatedValueEx stores: a text whose count leaves out its NUL gets the NUL
    // only when it is the byte right behind the counted ones; RegSetValueEx stores the counted
    // bytes alone. A null data pointer needs size 0.
    void setValueStoresWhatWindowsStores_data()
    {
        QTest::addColumn<bool>("terminated");
        QTest::addColumn<DWORD>("type");
        QTest::addColumn<QByteArray>("buffer");   // the caller's bytes, some beyond the count
        QTest::addColumn<DWORD>("count");
        QTest::addColumn<bool>("nullData");
        QTest::addColumn<LONG>("result");
        QTest::addColumn<QByteArray>("stored");
        const QByteArray full("FullString", 11);   // with its NUL
        QTest::newRow("text, NUL behind the count")
            << true << DWORD(REG_SZ) << full << DWORD(10) << false << LONG(ERROR_SUCCESS) << full;
        QTest::newRow("text, a letter behind the count")
            << true << DWORD(REG_SZ) << full << DWORD(9) << false << LONG(ERROR_SUCCESS) << QByteArray("FullStrin");
        QTest::newRow("expandable text, a letter behind")
            << true << DWORD(REG_EXPAND_SZ) << full << DWORD(9) << false << LONG(ERROR_SUCCESS) << QByteArray("FullStrin");
        QTest::newRow("text list, NUL behind") << true << DWORD(REG_MULTI_SZ) << QByteArray("a\0b\0", 4) << DWORD(3) << false
                                               << LONG(ERROR_SUCCESS) << QByteArray("a\0b\0", 4);
        QTest::newRow("text list counted to its NUL") << true << DWORD(REG_MULTI_SZ) << QByteArray("a\0b\0\0", 5) << DWORD(4)
                                                      << false << LONG(ERROR_SUCCESS) << QByteArray("a\0b\0", 4);
        QTest::newRow("binary, NUL behind") << true << DWORD(REG_BINARY) << QByteArray("abc\0", 4) << DWORD(3) << false
                                            << LONG(ERROR_SUCCESS) << QByteArray("abc");
        QTest::newRow("empty text") << true << DWORD(REG_SZ) << QByteArray("\0", 1) << DWORD(0) << false << LONG(ERROR_SUCCESS)
                                    << QByteArray();
        QTest::newRow("no data, a size") << true << DWORD(REG_SZ) << QByteArray() << DWORD(4) << true << LONG(ERROR_NOACCESS)
                                         << QByteArray();
        QTest::newRow("no data, no size") << true << DWORD(REG_BINARY) << QByteArray() << DWORD(0) << true << LONG(ERROR_SUCCESS)
                                          << QByteArray();
        QTest::newRow("counted text alone") << false << DWORD(REG_SZ) << full << DWORD(10) << false
                                            << LONG(ERROR_SUCCESS) << QByteArray("FullString");
        QTest::newRow("counted text with its NUL") << false << DWORD(REG_SZ) << full << DWORD(11) << false
                                                   << LONG(ERROR_SUCCESS) << full;
    }
    void setValueStoresWhatWindowsStores()
    {
        QFETCH(bool, terminated);
        QFETCH(DWORD, type);
        QFETCH(QByteArray, buffer);
        QFETCH(DWORD, count);
        QFETCH(bool, nullData);
        QFETCH(LONG, result);
        QFETCH(QByteArray, stored);
        const HKEY key = create(HKEY_CURRENT_USER, QStringLiteral("Counted"));
        const auto *data = nullData ? nullptr : reinterpret_cast<const uint8_t *>(buffer.constData());
        QCOMPARE((terminated ? RegSetTerminatedValueEx : RegSetValueEx)(key, QStringLiteral("v"), type, data, count), result);
        uint8_t read[16] = {};
        DWORD size = sizeof read;
        DWORD readType = REG_NONE;
        const LONG query = RegQueryValueEx(key, QStringLiteral("v"), &readType, read, &size);
        QCOMPARE(query, result == ERROR_SUCCESS ? ERROR_SUCCESS : LONG(ERROR_FILE_NOT_FOUND));
        if (query == ERROR_SUCCESS) {
            QCOMPARE(readType, type);
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(read), qsizetype(size)), stored);
        }
    }

    // A buffer that holds exactly the counted bytes is read no further (the sanitizer build
    // reports a read of the byte behind).
    void setValueReadsNoFurtherThanTheCount()
    {
        const HKEY key = create(HKEY_CURRENT_USER, QStringLiteral("Exact"));
        const auto text = std::make_unique<uint8_t[]>(3);
        std::memcpy(text.get(), "abc", 3);
        QCOMPARE(RegSetValueEx(key, QStringLiteral("v"), REG_SZ, text.get(), 3), ERROR_SUCCESS);
        DWORD size = 0;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("v"), nullptr, nullptr, &size), ERROR_SUCCESS);
        QCOMPARE(size, 3u);
    }

    void separatorAloneUnderARootOpensTheRoot_data()
    {
        QTest::addColumn<bool>("underRoot");
        QTest::addColumn<QString>("subKey");
        QTest::addColumn<LONG>("result");
        QTest::newRow("\\ under a root") << true << QStringLiteral("\\") << LONG(ERROR_SUCCESS);
        QTest::newRow("\\ under a key") << false << QStringLiteral("\\") << LONG(ERROR_BAD_PATHNAME);
        QTest::newRow("\\\\ under a root") << true << QStringLiteral("\\\\") << LONG(ERROR_BAD_PATHNAME);
        QTest::newRow("\\Software under a root") << true << QStringLiteral("\\Software") << LONG(ERROR_BAD_PATHNAME);
    }
    void separatorAloneUnderARootOpensTheRoot()
    {
        QFETCH(bool, underRoot);
        QFETCH(QString, subKey);
        QFETCH(LONG, result);
        const HKEY software = create(HKEY_CURRENT_USER, QStringLiteral("Software\\Sub"));
        HKEY key;
        QCOMPARE(RegOpenKeyEx(underRoot ? HKEY_CURRENT_USER : software, subKey, 0, KEY_READ, &key), result);
        QCOMPARE(key.isValid(), result == ERROR_SUCCESS);
        if (result != ERROR_SUCCESS)
            return;
        // A new handle to the root, with the rights asked for.
        QCOMPARE(int(key.root()), int(Root::CurrentUser));
        QVERIFY(key.path().isEmpty());
        QVERIFY(subkeyNames(key).contains(QStringLiteral("Software")));
        QCOMPARE(SetDwordValue(key, QStringLiteral("x"), 1), LONG(ERROR_ACCESS_DENIED));
    }

    void querySizesAsWindowsGivesThem()
    {
        const HKEY key = create(HKEY_CURRENT_USER, QStringLiteral("Sizes"));
        QCOMPARE(SetDwordValue(key, QStringLiteral("BIN32"), 0x01020304), ERROR_SUCCESS);
        // A missing value: the size asked alone becomes 0; a buffer's size stays.
        DWORD size = 0xdeadbeef;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("Nonexistent Value"), nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
        QCOMPARE(size, 0u);
        uint8_t buffer[10];
        size = sizeof buffer;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("Nonexistent Value"), nullptr, buffer, &size), ERROR_FILE_NOT_FOUND);
        QCOMPARE(size, DWORD(sizeof buffer));
        // One variable for type and size: the buffer size is read before the type is written.
        DWORD both = 4;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("BIN32"), &both, buffer, &both), ERROR_SUCCESS);
        QCOMPARE(both, 4u);
        both = 0;
        QCOMPARE(RegQueryValueEx(key, QStringLiteral("BIN32"), &both, nullptr, &both), ERROR_SUCCESS);
        QCOMPARE(both, 4u);
    }

    // RegEnumValueA with "Test" = "foobar" (7 bytes) and buffers of the given sizes.
    void enumerationOverflowLeavesTheBuffersAlone_data()
    {
        QTest::addColumn<uint>("nameSize");
        QTest::addColumn<uint>("dataSize");
        QTest::addColumn<int>("result");
        QTest::addColumn<uint>("nameSizeAfter");
        QTest::addColumn<QString>("nameAfter");
        QTest::addColumn<QByteArray>("dataAfter");
        const QByteArray untouched("xxxxxxxxxx");
        QTest::newRow("both overflow") << 2u << 2u << int(ERROR_MORE_DATA) << 2u << "untouched" << untouched;
        QTest::newRow("name overflow") << 3u << 20u << int(ERROR_MORE_DATA) << 3u << "untouched" << untouched;
        QTest::newRow("name without room for its NUL") << 4u << 20u << int(ERROR_MORE_DATA) << 4u << "untouched" << untouched;
        QTest::newRow("empty name buffer") << 0u << 20u << int(ERROR_MORE_DATA) << 0u << "untouched" << untouched;
        QTest::newRow("data overflow") << 20u << 2u << int(ERROR_MORE_DATA) << 20u << "untouched" << untouched;
        QTest::newRow("no overflow") << 20u << 20u << int(ERROR_SUCCESS) << 4u << "Test" << QByteArray("foobar\0xxx", 10);
    }
    void enumerationOverflowLeavesTheBuffersAlone()
    {
        QFETCH(uint, nameSize);
        QFETCH(uint, dataSize);
        QFETCH(int, result);
        QFETCH(uint, nameSizeAfter);
        QFETCH(QString, nameAfter);
        QFETCH(QByteArray, dataAfter);
        const HKEY key = create(HKEY_CURRENT_USER, QStringLiteral("Enumerated"));
        QCOMPARE(SetStringValue(key, QStringLiteral("Test"), QStringLiteral("foobar")), ERROR_SUCCESS);
        QString name = QStringLiteral("untouched");
        DWORD nameCount = nameSize;
        DWORD type = 1234;
        char data[10];
        std::memcpy(data, "xxxxxxxxxx", 10);
        DWORD dataCount = dataSize;
        QCOMPARE(RegEnumValue(key, 0, &name, &nameCount, &type, reinterpret_cast<uint8_t *>(data), &dataCount), LONG(result));
        QCOMPARE(nameCount, DWORD(nameSizeAfter));
        QCOMPARE(name, nameAfter);
        QCOMPARE(QByteArray(data, 10), dataAfter);
        QCOMPARE(dataCount, 7u);
        QCOMPARE(type, DWORD(REG_SZ));
    }

    void rootsAreSeparateStores()
    {
        create(HKEY_CLASSES_ROOT, QStringLiteral("OnlyHere"));
        HKEY key;
        for (const HKEY &root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS})
            QCOMPARE(RegOpenKeyEx(root, QStringLiteral("OnlyHere"), 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
        QCOMPARE(RegOpenKeyEx(HKEY_CLASSES_ROOT, QStringLiteral("onlyhere"), 0, KEY_READ, &key), ERROR_SUCCESS);
    }

    void unreadableStoreIsReportedAndKept()
    {
        QVERIFY(QDir().mkpath(RegistryDirectory()));
        const QString path = RegistryDirectory() + QStringLiteral("/HKEY_USERS.json");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{ not json");
        file.close();
        HKEY key;
        QCOMPARE(RegOpenKeyEx(HKEY_USERS, QStringLiteral("x"), 0, KEY_READ, &key), ERROR_BADDB);
        QCOMPARE(RegCreateKeyEx(HKEY_USERS, QStringLiteral("x"), KEY_ALL_ACCESS, &key), ERROR_BADDB);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("{ not json"));
    }

    void valuesPersistAcrossProcesses()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-values"), QStringLiteral("p"), QStringLiteral("3")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);

        HKEY key;
        QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("software\\brevant\\shared"), 0, KEY_READ, &key), ERROR_SUCCESS);
        DWORD number = 0;
        QCOMPARE(QueryDwordValue(key, QStringLiteral("p2"), &number), ERROR_SUCCESS);
        QCOMPARE(number, 2u);
    }

    // A batch works on its tree in memory and writes it once at its end; another process
    // waits for the root meanwhile, and neither loses the other's changes.
    void batchWritesOnceAndOthersWait()
    {
        const QString store = RegistryDirectory() + QStringLiteral("/HKEY_CURRENT_USER.json");
        QProcess child;
        {
            Batch batch;
            const HKEY key = create(HKEY_CURRENT_USER, QStringLiteral("Software\\Brevant\\Shared"));
            for (int i = 0; i < 100; ++i)
                QCOMPARE(SetDwordValue(create(key, QStringLiteral("k%1").arg(i)), QStringLiteral("n"), DWORD(i)), ERROR_SUCCESS);
            QCOMPARE(RegDeleteKey(key, QStringLiteral("k99")), ERROR_SUCCESS);
            HKEY read;
            QCOMPARE(RegOpenKeyEx(key, QStringLiteral("K42"), 0, KEY_READ, &read), ERROR_SUCCESS);   // seen in the batch
            QVERIFY(!QFile::exists(store));   // not written yet
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-values"), QStringLiteral("c"), QStringLiteral("3")});
            QVERIFY(child.waitForStarted());
            QVERIFY(!child.waitForFinished(300));   // the child waits for the root
        }
        QVERIFY(QFile::exists(store));
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        HKEY key;
        QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Brevant\\Shared"), 0, KEY_READ, &key), ERROR_SUCCESS);
        QString name;
        int keys = 0;
        while (RegEnumKeyEx(key, DWORD(keys), &name) == ERROR_SUCCESS)
            ++keys;
        QCOMPARE(keys, 99);
        DWORD number = 0;
        QCOMPARE(QueryDwordValue(key, QStringLiteral("c2"), &number), ERROR_SUCCESS);
        QCOMPARE(number, 2u);
    }

    void twoProcessesWritingAtOnceLoseNothing()
    {
        constexpr int PerProcess = 200;
        QProcess first;
        QProcess second;
        const QString program = QCoreApplication::applicationFilePath();
        first.start(program, {QStringLiteral("--write-values"), QStringLiteral("a"), QString::number(PerProcess)});
        second.start(program, {QStringLiteral("--write-values"), QStringLiteral("b"), QString::number(PerProcess)});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        HKEY key;
        QCOMPARE(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Brevant\\Shared"), 0, KEY_READ, &key), ERROR_SUCCESS);
        QSet<QString> names;
        QString name;
        for (DWORD i = 0; RegEnumValue(key, i, &name, nullptr, nullptr, nullptr) == ERROR_SUCCESS; ++i)
            names.insert(name);
        QCOMPARE(names.size(), 2 * PerProcess);
        for (int i = 0; i < PerProcess; ++i) {
            QVERIFY2(names.contains(QStringLiteral("a%1").arg(i)), qPrintable(QStringLiteral("a%1 lost").arg(i)));
            QVERIFY2(names.contains(QStringLiteral("b%1").arg(i)), qPrintable(QStringLiteral("b%1 lost").arg(i)));
        }
        // Only the stores and their lock files are left in the folder.
        const QStringList files = QDir(RegistryDirectory()).entryList(QDir::Files);
        QCOMPARE(files, (QStringList{QStringLiteral("HKEY_CURRENT_USER.json"), QStringLiteral("HKEY_CURRENT_USER.lock")}));
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--write-values") == 0)
        return writeValuesAsChild(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    QCoreApplication app(argc, argv);
    TestRegistry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_registry.moc"
