// The real libTarvolinkINI.so of the program folder: INI made by class identifier only
// after registration, the keys registration leaves, and clean failures around it.
#include "com/create.h"
#include "fakeform.h"
#include "inilib/tarvolinkini.h"
#include "registry/registry.h"
#include "support/registry_default.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

using namespace tarvolinkini;
using testsupport::ClassesRootDefault;

namespace {

QString libraryPath()
{
    return QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath(QStringLiteral("libTarvolinkINI.so"));
}

} // namespace

class TestIniComponent : public QObject {
    Q_OBJECT

private:
    void *library_ = nullptr;

    template <class Function>
    Function entry(const char *name)
    {
        return reinterpret_cast<Function>(dlsym(library_, name));
    }
    com::HRESULT registerServer() { return entry<com::DllEntryFunction>("DllRegisterServer")(); }
    com::HRESULT unregisterServer() { return entry<com::DllEntryFunction>("DllUnregisterServer")(); }

private slots:
    void initTestCase()
    {
        library_ = dlopen(QFile::encodeName(libraryPath()).constData(), RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(library_, dlerror());
        for (const char *name : {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"})
            QVERIFY2(dlsym(library_, name), name);
        // Nothing but the four entry points is visible.
        QVERIFY(!dlsym(library_, "_ZN3com13CanUnloadNowEv"));
    }

    void init() { QDir(reg::RegistryDirectory()).removeRecursively(); }

    void creatingBeforeRegistrationFailsCleanly()
    {
        com::ComPtr<_INI> ini;
        QCOMPARE(com::CreateInstance(CLSID_INI, &ini), com::REGDB_E_CLASSNOTREG);
        QVERIFY(!ini);
    }

    void registrationWritesTheKeysWindowsKeeps()
    {
        QCOMPARE(registerServer(), com::S_OK);
        const QString clsid = QStringLiteral("CLSID\\{66DEA7BA-67AF-476D-B747-A28BF1F49843}");
        QCOMPARE(ClassesRootDefault(clsid), QStringLiteral("TarvolinkINI.INI"));
        QCOMPARE(ClassesRootDefault(clsid + QStringLiteral("\\InprocServer32")), QFileInfo(libraryPath()).absoluteFilePath());
        QCOMPARE(ClassesRootDefault(clsid + QStringLiteral("\\ProgID")), QStringLiteral("TarvolinkINI.INI"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("TarvolinkINI.INI\\CLSID")), QStringLiteral("{66DEA7BA-67AF-476D-B747-A28BF1F49843}"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("TypeLib\\{49D51608-1E2B-40F7-9632-8A15F4B4C7E3}\\1.1")), QStringLiteral("TarvolinkINI"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("Interface\\{357857D5-56A7-4330-BF5F-4F12D2CFA996}")), QStringLiteral("_INI"));

        QCOMPARE(unregisterServer(), com::S_OK);
        QCOMPARE(ClassesRootDefault(clsid), QStringLiteral("<missing>"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("TarvolinkINI.INI")), QStringLiteral("<missing>"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("TypeLib\\{49D51608-1E2B-40F7-9632-8A15F4B4C7E3}")), QStringLiteral("<missing>"));
        QCOMPARE(ClassesRootDefault(QStringLiteral("Interface\\{357857D5-56A7-4330-BF5F-4F12D2CFA996}")), QStringLiteral("<missing>"));
    }

    void createdObjectWorksAndTheLibraryCountsIt()
    {
        QCOMPARE(registerServer(), com::S_OK);
        const auto canUnloadNow = entry<com::DllEntryFunction>("DllCanUnloadNow");
        {
            com::ComPtr<_INI> ini;
            QCOMPARE(com::CreateInstance(CLSID_INI, &ini), com::S_OK);
            QVERIFY(ini);
            QCOMPARE(canUnloadNow(), com::S_FALSE);

            QTemporaryDir dir;
            ini->SetPath(dir.filePath(QStringLiteral("config.ini")));
            ini->SetSection(QStringLiteral("settings"));
            ini->SetKey(QStringLiteral("db"));
            ini->SetValue(QStringLiteral("data.mdb"));
            QVERIFY(ini->Success());
            QCOMPARE(ini->Value(), QStringLiteral("data.mdb"));

            // An error inside the library stays inside it.
            ini->SetSection(QStringLiteral("pos"));
            ini->SetKey(QStringLiteral("Left"));
            ini->SetValue(QStringLiteral("2147483000"));
            FakeForm form;
            ini->LoadFormPosition(form);
            QCOMPARE(form.calls, QStringList());
            QCOMPARE(ini->LastReturnCode(), 0);
            QCOMPARE(ini->Key(), QStringLiteral("Left"));

            com::ComPtr<com::IUnknown> unknown;
            QCOMPARE(ini->QueryInterface(com::IUnknown::IID, unknown.put()), com::S_OK);
            com::ComPtr<com::IClassFactory> notServed;
            QCOMPARE(ini->QueryInterface(com::IClassFactory::IID, notServed.put()), com::E_NOINTERFACE);
        }
        QCOMPARE(canUnloadNow(), com::S_OK);

        const auto getClassObject = entry<com::DllGetClassObjectFunction>("DllGetClassObject");
        void *factory = nullptr;
        const com::Guid otherClass = IID__INI;
        QCOMPARE(getClassObject(&otherClass, &com::IClassFactory::IID, &factory), com::CLASS_E_CLASSNOTAVAILABLE);
        QCOMPARE(factory, nullptr);
    }

    void creatingAfterUnregistrationFailsCleanly()
    {
        QCOMPARE(registerServer(), com::S_OK);
        QCOMPARE(unregisterServer(), com::S_OK);
        com::ComPtr<_INI> ini;
        QCOMPARE(com::CreateInstance(CLSID_INI, &ini), com::REGDB_E_CLASSNOTREG);
        QVERIFY(!ini);
    }

    void aRegisteredLibraryThatIsGoneFailsCleanly()
    {
        QCOMPARE(registerServer(), com::S_OK);
        reg::HKEY key;
        QCOMPARE(reg::RegOpenKeyEx(reg::HKEY_CLASSES_ROOT, QStringLiteral("CLSID\\{66DEA7BA-67AF-476D-B747-A28BF1F49843}\\InprocServer32"),
                                   0, reg::KEY_ALL_ACCESS, &key),
                 reg::ERROR_SUCCESS);
        QCOMPARE(reg::SetStringValue(key, QString(), QDir::temp().filePath(QStringLiteral("moved-away/libTarvolinkINI.so"))),
                 reg::ERROR_SUCCESS);
        com::ComPtr<_INI> ini;
        QCOMPARE(com::CreateInstance(CLSID_INI, &ini), com::E_MOD_NOT_FOUND);
        QVERIFY(!ini);
    }
};

QTEST_GUILESS_MAIN(TestIniComponent)
#include "tst_ini_component.moc"
