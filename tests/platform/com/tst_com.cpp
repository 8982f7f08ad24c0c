// Component plumbing: identifiers, reference counting and factories, self-registration,
// creating by class identifier (and its clean failures), and the regsvr tool.
#include "com/create.h"
#include "com/inprocserver.h"
#include "com/object.h"
#include "registry/registry.h"
#include "support/registry_default.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <dlfcn.h>

using namespace com;
using testsupport::ClassesRootDefault;

namespace {

class ICounter : public IUnknown {
public:
    static constexpr Guid IID = MakeGuid("{0F6E2A4B-1C3D-4E5F-8A9B-0C1D2E3F4A5B}");
    virtual int Next() = 0;

protected:
    ~ICounter() = default;
};

class Counter final : public Object<ICounter> {
public:
    int Next() override { return ++value_; }

private:
    int value_ = 0;
};

const Guid CLSID_Missing = MakeGuid("{11111111-2222-3333-4444-555555555555}");

ServerIdentity testIdentity()
{
    return {MakeGuid("{A1B2C3D4-0000-4000-8000-000000000001}"), QStringLiteral("Test.Thing"),
            MakeGuid("{A1B2C3D4-0000-4000-8000-000000000002}"), QStringLiteral("TestLib"), QStringLiteral("2.3"),
            MakeGuid("{A1B2C3D4-0000-4000-8000-000000000003}"), QStringLiteral("_Thing")};
}

void registerLibraryPath(const Guid &clsid, const QString &library)
{
    reg::HKEY key;
    QCOMPARE(reg::RegCreateKeyEx(reg::HKEY_CLASSES_ROOT, QStringLiteral("CLSID\\") + clsid.toString() + QStringLiteral("\\InprocServer32"),
                                 reg::KEY_ALL_ACCESS, &key),
             reg::ERROR_SUCCESS);
    QCOMPARE(reg::SetStringValue(key, QString(), library), reg::ERROR_SUCCESS);
}

QString programFile(const QString &name)
{
    return QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath(name);
}

} // namespace

class TestCom : public QObject {
    Q_OBJECT

private slots:
    void init() { QDir(reg::RegistryDirectory()).removeRecursively(); }

    void guidsParseAndFormatTheRegistryWay()
    {
        const Guid guid = MakeGuid("{66DEA7BA-67AF-476D-B747-A28BF1F49843}");
        QCOMPARE(guid.data1, 0x66DEA7BAu);
        QCOMPARE(guid.data2, uint16_t(0x67AF));
        QCOMPARE(guid.data4[0], uint8_t(0xB7));
        QCOMPARE(guid.data4[7], uint8_t(0x43));
        QCOMPARE(guid.toString(), QStringLiteral("{66DEA7BA-67AF-476D-B747-A28BF1F49843}"));
        QCOMPARE(Guid::parse(u"66dea7ba-67af-476d-b747-a28bf1f49843"), std::optional<Guid>(guid));
        QCOMPARE(Guid::parse(u"{00000000-0000-0000-C000-000000000046}"), std::optional<Guid>(IUnknown::IID));
        for (const char16_t *bad : {u"", u"{66DEA7BA-67AF-476D-B747-A28BF1F4984}", u"{66DEA7BA-67AF-476D-B747-A28BF1F4984G}",
                                    u"{66DEA7BA+67AF-476D-B747-A28BF1F49843}", u"(66DEA7BA-67AF-476D-B747-A28BF1F49843)"})
            QVERIFY2(!Guid::parse(QStringView(bad)), qPrintable(QString::fromUtf16(bad)));
    }

    void objectsCountReferencesAndAnswerTheirInterfaces()
    {
        const long before = ModuleLockCount();
        ComPtr<IClassFactory> factory;
        QCOMPARE(GetClassObject<Counter>(CLSID_Missing, CLSID_Missing, IClassFactory::IID, factory.put()), S_OK);
        ComPtr<ICounter> counter;
        QCOMPARE(factory->CreateInstance(nullptr, ICounter::IID, counter.put()), S_OK);
        QCOMPARE(counter->Next(), 1);
        QCOMPARE(CanUnloadNow(), S_FALSE);

        ComPtr<IUnknown> unknown;
        QCOMPARE(counter->QueryInterface(IUnknown::IID, unknown.put()), S_OK);
        QCOMPARE(static_cast<void *>(unknown.get()), static_cast<void *>(counter.get()));
        void *nothing = reinterpret_cast<void *>(1);
        QCOMPARE(counter->QueryInterface(IClassFactory::IID, &nothing), E_NOINTERFACE);
        QCOMPARE(nothing, nullptr);
        ComPtr<ICounter> aggregated;
        QCOMPARE(factory->CreateInstance(unknown.get(), ICounter::IID, aggregated.put()), CLASS_E_NOAGGREGATION);

        // A copy shares the object; the object lives until the last reference goes.
        ComPtr<ICounter> copy = counter;
        counter.reset();
        QCOMPARE(copy->Next(), 2);
        copy.reset();
        unknown.reset();
        factory.reset();
        QCOMPARE(ModuleLockCount(), before);
        QCOMPARE(CanUnloadNow(), before == 0 ? S_OK : S_FALSE);
    }

    void classObjectOfAnotherClassIsNotAvailable()
    {
        ComPtr<IClassFactory> factory;
        QCOMPARE(GetClassObject<Counter>(CLSID_Missing, testIdentity().clsid, IClassFactory::IID, factory.put()),
                 CLASS_E_CLASSNOTAVAILABLE);
        QVERIFY(!factory);
    }

    void registrationWritesAndRemovesTheClassKeys()
    {
        const ServerIdentity id = testIdentity();
        QCOMPARE(RegisterServer(id, QStringLiteral("/opt/lib/libthing.so")), S_OK);
        const QString clsid = QStringLiteral("CLSID\\{A1B2C3D4-0000-4000-8000-000000000001}");
        QCOMPARE(ClassesRootDefault(clsid), QStringLiteral("Test.Thing"));
        QCOMPARE(ClassesRootDefault(clsid + QStringLiteral("\\InprocServer32")), QStringLiteral("/opt/lib/libthing.so"));
        QCOMPARE(ClassesRootDefault(clsid + QStringLiteral("\\ProgID")), QStringLiteral("Test.Thing"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("test.thing\\CLSID")), id.clsid.toString());
        QCOMPARE(ClassesRootDefault(QStringLiteral("TypeLib\\{A1B2C3D4-0000-4000-8000-000000000002}\\2.3")), QStringLiteral("TestLib"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("Interface\\{A1B2C3D4-0000-4000-8000-000000000003}")), QStringLiteral("_Thing"));
        reg::HKEY server;
        QCOMPARE(reg::RegOpenKeyEx(reg::HKEY_CLASSES_ROOT, clsid + QStringLiteral("\\InprocServer32"), 0, reg::KEY_READ, &server),
                 reg::ERROR_SUCCESS);
        QString model;
        QCOMPARE(reg::QueryStringValue(server, QStringLiteral("ThreadingModel"), &model), reg::ERROR_SUCCESS);
        QCOMPARE(model, QStringLiteral("Apartment"));

        // Another version of the same type library outlives this one's removal.
        reg::HKEY other;
        QCOMPARE(reg::RegCreateKeyEx(reg::HKEY_CLASSES_ROOT, QStringLiteral("TypeLib\\") + id.libid.toString() + QStringLiteral("\\1.0"),
                                     reg::KEY_ALL_ACCESS, &other),
                 reg::ERROR_SUCCESS);
        QCOMPARE(UnregisterServer(id), S_OK);
        QCOMPARE(ClassesRootDefault(clsid), QStringLiteral("<missing>"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("Test.Thing")), QStringLiteral("<missing>"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("Interface\\") + id.iid.toString()), QStringLiteral("<missing>"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("TypeLib\\") + id.libid.toString() + QStringLiteral("\\2.3")), QStringLiteral("<missing>"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("TypeLib\\") + id.libid.toString() + QStringLiteral("\\1.0")), QString());
        // Unregistering again finds nothing to remove and still succeeds.
        QCOMPARE(UnregisterServer(id), S_OK);
    }

    void registrationFailureIsReported()
    {
        reg::HKEY key;
        QCOMPARE(reg::RegCreateKeyEx(reg::HKEY_CLASSES_ROOT, QStringLiteral("CLSID"), reg::KEY_ALL_ACCESS, &key), reg::ERROR_SUCCESS);
        QCOMPARE(reg::SetKeyReadOnly(reg::HKEY_CLASSES_ROOT, QStringLiteral("CLSID"), true), reg::ERROR_SUCCESS);
        QCOMPARE(RegisterServer(testIdentity(), QStringLiteral("/x.so")), SELFREG_E_CLASS);
    }

    void creatingAnUnknownClassFailsCleanly()
    {
        ComPtr<ICounter> object;
        QCOMPARE(CreateInstance(CLSID_Missing, &object), REGDB_E_CLASSNOTREG);
        QVERIFY(!object);
    }

    void creatingFromAMissingLibraryFailsCleanly()
    {
        registerLibraryPath(CLSID_Missing, QDir::temp().filePath(QStringLiteral("no-such-library.so")));
        ComPtr<ICounter> object;
        QCOMPARE(CreateInstance(CLSID_Missing, &object), E_MOD_NOT_FOUND);
        QVERIFY(!object);
    }

    void creatingFromALibraryWithoutFactoryFailsCleanly()
    {
        Dl_info info{};
        QVERIFY(dladdr(reinterpret_cast<void *>(&qVersion), &info) && info.dli_fname);
        registerLibraryPath(CLSID_Missing, QString::fromLocal8Bit(info.dli_fname));
        ComPtr<ICounter> object;
        QCOMPARE(CreateInstance(CLSID_Missing, &object), CO_E_ERRORINDLL);
        QVERIFY(!object);
    }

    void regsvrRegistersAndUnregisters()
    {
        const QString regsvr = programFile(QStringLiteral("regsvr"));
        const QString library = programFile(QStringLiteral("libtvlno.so"));
        const QString serverKey = QStringLiteral("CLSID\\{E3353CFA-0EF3-418D-B0C6-EAB917CD4548}\\InprocServer32");

        QProcess tool;
        tool.start(regsvr, {QStringLiteral("/s"), library});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(tool.readAllStandardOutput(), QByteArray());
        QCOMPARE(ClassesRootDefault(serverKey), QFileInfo(library).absoluteFilePath());

        tool.start(regsvr, {QStringLiteral("/u"), library});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(tool.readAllStandardOutput().startsWith("DllUnregisterServer in "));
        QCOMPARE(ClassesRootDefault(serverKey), QStringLiteral("<missing>"));

        tool.start(regsvr, {QStringLiteral("/s"), QDir::temp().filePath(QStringLiteral("no-such-library.so"))});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 3);
        QVERIFY(tool.readAllStandardError().contains("failed to load"));

        tool.start(regsvr, {});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCom)
#include "tst_com.moc"
