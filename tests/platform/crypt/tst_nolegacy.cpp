// Without RC2 and RC4 the provider cannot be acquired at all, so nothing half-works.
#include "crypt/cryptoapi.h"

#include <QtTest>

using namespace wincrypt;

class NoLegacyTest : public QObject {
    Q_OBJECT
private slots:
    void acquireFailsWithoutLegacyProvider()
    {
        HCRYPTPROV prov = 12345;
        QVERIFY(!CryptAcquireContext(&prov, nullptr, MS_DEF_PROV, PROV_RSA_FULL,
                                     CRYPT_VERIFYCONTEXT));
        QCOMPARE(prov, HCRYPTPROV(0));
        QCOMPARE(LastError(), NTE_PROV_DLL_NOT_FOUND);
        // Still failing on a second try: loading is retried, not remembered as done.
        QVERIFY(!CryptAcquireContext(&prov, nullptr, MS_DEF_PROV, PROV_RSA_FULL,
                                     CRYPT_VERIFYCONTEXT));
    }
};

QTEST_GUILESS_MAIN(NoLegacyTest)
#include "tst_nolegacy.moc"
