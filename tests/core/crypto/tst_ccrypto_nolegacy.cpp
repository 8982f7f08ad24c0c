// An object whose provider context could not be acquired reports it once, then fails every
// call in its hash step with an empty result.
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "vb/locale.h"

#include <QtTest>

using core::CCrypto;
using core::ReportMode;

class CCryptoNoProviderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale("en_US")); }

    void failedContextReportsThenEveryCallFails()
    {
        QList<ReportMode> reports;
        core::SetErrorReportPresenter([&](ReportMode mode) { reports << mode; });

        CCrypto crypto;
        QCOMPARE(core::State().mLastError,
                 QStringLiteral("Error Code : ENDN006\r\nCould not acquire context"));
        QCOMPARE(reports, QList<ReportMode>{ReportMode::Modeless});

        QCOMPARE(crypto.Encrypt("secret", core::ProgramKey(), true, CCrypto::RC2), QString());
        QCOMPARE(core::State().mLastError,
                 QStringLiteral("Error Code : ENDN001\r\nCould not create hash"));
        QCOMPARE(crypto.Decrypt("47A7502894307070", core::ProgramKey(), true, CCrypto::RC2),
                 QString());
        QCOMPARE(core::State().mLastError,
                 QStringLiteral("Error Code : ENDN001\r\nCould not create hash"));
        QCOMPARE(reports.size(), 3);
        core::SetErrorReportPresenter({});
    }
};

QTEST_GUILESS_MAIN(CCryptoNoProviderTest)
#include "tst_ccrypto_nolegacy.moc"
