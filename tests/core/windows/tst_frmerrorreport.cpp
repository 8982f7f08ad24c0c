// The error report window as the handlers open it through ReportError.
#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "core/windows/frmerrorreport.h"
#include "support/screenchecks.h"
#include "ui/forms.h"
#include "ui/topmost.h"
#include "vb/locale.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using core::frmErrorReport;
using core::ReportMode;
using ui::Forms;

namespace {
const QString kLookup = QStringLiteral("SELECT * FROM tbl_users WHERE cusername = 'frank'");

QStringList reportLines()
{
    frmErrorReport *f = Forms::Find<frmErrorReport>();
    return f ? f->txtError->toPlainText().split(QLatin1Char('\n')) : QStringList();
}
} // namespace

class TestErrorReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vb::SetCurrentLocale(QLocale(QStringLiteral("en_US")));
        core::InstallErrorReportWindow();
    }
    void init()
    {
        core::ResetState();
        core::State().mLastSQL = kLookup;
    }
    void cleanup()
    {
        Forms::Unload<frmErrorReport>();
        QTest::qWait(1);
    }

    void reportShowsCodeDescriptionAndStatement();
    void windowAsDesigned();
    void reportOpensCentredOnTheScreen();
    void openReportIsOnlyBroughtToTheFront();
    void closingLetsTheNextReportLoadAfresh();
    void modalReportWaitsUntilClosed();
    void modalReportWhileOneIsOpenReturnsAtOnce();
    void reportWithoutStatement();
    void keyboardReadsAndCloses();
    void enterCloses_data();
    void enterCloses();
};

void TestErrorReport::reportShowsCodeDescriptionAndStatement()
{
    core::ReportError(QStringLiteral("FRLOG001"), QStringLiteral("Object required"), ReportMode::Modeless);

    frmErrorReport *f = Forms::Find<frmErrorReport>();
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QVERIFY(f->isWindow());   // a window of its own
    QCOMPARE(f->windowTitle(), QStringLiteral(" Runtime Error"));
    QCOMPARE(reportLines(), (QStringList{"Error Code : FRLOG001", "Object required", "",
                                         "-----SQL QUERY WAS----", kLookup}));
    QVERIFY(ui::IsTopMost(f));
    QCOMPARE(frmErrorReport::ReportText(),
             QStringLiteral("Error Code : FRLOG001\r\nObject required\r\n\r\n-----SQL QUERY WAS----\r\n") + kLookup);
    // Nothing is cleared by reporting.
    QCOMPARE(core::State().mLastError, QStringLiteral("Error Code : FRLOG001\r\nObject required"));
    QCOMPARE(core::State().mLastSQL, kLookup);
}

void TestErrorReport::windowAsDesigned()
{
    frmErrorReport &f = Forms::Get<frmErrorReport>();
    QCOMPARE(f.objectName(), QStringLiteral("frmErrorReport"));
    const auto *label1 = f.findChild<QLabel *>(QStringLiteral("Label1"));
    const auto *label2 = f.findChild<QLabel *>(QStringLiteral("Label2"));
    const auto *command1 = f.findChild<QPushButton *>(QStringLiteral("Command1"));
    const auto *txtError = f.findChild<QPlainTextEdit *>(QStringLiteral("txtError"));
    QVERIFY(label1 && label2 && command1 && txtError);
    QCOMPARE(label1->text(), QStringLiteral("Error occurred"));
    QCOMPARE(label2->text(),
             QStringLiteral("Seeing this Error constantly? Please remmember the error code, and send it to us."));
    QCOMPARE(command1->text(), QStringLiteral("&Close"));
    QVERIFY(f.findChild<QLabel *>(QStringLiteral("Image1")));
    QVERIFY(f.findChild<QWidget *>(QStringLiteral("Frame1")));
    QVERIFY(f.findChild<QWidget *>(QStringLiteral("Picture1")));
    const QFontMetrics fixed(txtError->font());
    QCOMPARE(fixed.horizontalAdvance(QLatin1Char('i')), fixed.horizontalAdvance(QLatin1Char('W')));
    QVERIFY(f.windowFlags().testFlag(Qt::Tool));
}

void TestErrorReport::reportOpensCentredOnTheScreen()
{
    core::State().mLastSQL = kLookup;
    core::ReportError(QStringLiteral("GL0003"), QStringLiteral("Either BOF or EOF is True"), ReportMode::Modeless);
    frmErrorReport *f = Forms::Find<frmErrorReport>();
    QVERIFY(f && f->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(f));
    const QRect available = f->screen()->availableGeometry();
    const QPoint offset = f->frameGeometry().center() - available.center();
    QVERIFY2(offset.manhattanLength() < 40, qPrintable(QStringLiteral("%1,%2 off the centre").arg(offset.x()).arg(offset.y())));
    QVERIFY(available.contains(f->geometry()));
    HOTEL_CHECK_SCREEN(*f);
    QVERIFY(testsupport::SaveScreenshot(*f, QStringLiteral("frmErrorReport"), true));
}

void TestErrorReport::openReportIsOnlyBroughtToTheFront()
{
    core::ReportError(QStringLiteral("FRLOG001"), QStringLiteral("first"), ReportMode::Modeless);
    frmErrorReport *first = Forms::Find<frmErrorReport>();
    core::State().mLastSQL = QStringLiteral("SELECT cusername FROM tbl_users");
    core::ReportError(QStringLiteral("GL0003"), QStringLiteral("second"), ReportMode::Modeless);

    QCOMPARE(Forms::Find<frmErrorReport>(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(reportLines().first(), QStringLiteral("Error Code : FRLOG001"));
    QCOMPARE(reportLines().last(), kLookup);
    // The state holds the second report all the same.
    QCOMPARE(core::State().mLastError, QStringLiteral("Error Code : GL0003\r\nsecond"));
}

void TestErrorReport::closingLetsTheNextReportLoadAfresh()
{
    core::ReportError(QStringLiteral("FRLOG001"), QStringLiteral("first"), ReportMode::Modeless);
    QPointer<frmErrorReport> first = Forms::Find<frmErrorReport>();
    first->Command1->click();
    QVERIFY(!Forms::IsLoaded<frmErrorReport>());
    QTRY_VERIFY(first.isNull());

    core::ReportError(QStringLiteral("FRLOG002"), QStringLiteral("second"), ReportMode::Modeless);
    QCOMPARE(reportLines().mid(0, 2), (QStringList{"Error Code : FRLOG002", "second"}));

    // The close box does what "&Close" does.
    frmErrorReport *open = Forms::Find<frmErrorReport>();
    QVERIFY(open);
    open->close();
    QVERIFY(!Forms::IsLoaded<frmErrorReport>());
}

void TestErrorReport::modalReportWaitsUntilClosed()
{
    Qt::WindowModality modality = Qt::NonModal;
    QStringList linesMeanwhile;
    QTimer::singleShot(30, this, [&] {
        frmErrorReport *f = Forms::Find<frmErrorReport>();
        QVERIFY(f);
        modality = f->windowModality();
        linesMeanwhile = reportLines();
        f->Command1->click();
    });
    core::ReportError(QStringLiteral("BOK001"), QStringLiteral("Type mismatch"), ReportMode::Modal);
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(linesMeanwhile.first(), QStringLiteral("Error Code : BOK001"));
    QVERIFY(!Forms::IsLoaded<frmErrorReport>());
}

void TestErrorReport::modalReportWhileOneIsOpenReturnsAtOnce()
{
    core::ReportError(QStringLiteral("FRLOG001"), QStringLiteral("first"), ReportMode::Modeless);
    bool timerRan = false;
    QTimer::singleShot(2000, this, [&] { timerRan = true; });
    core::ReportError(QStringLiteral("DB0006"), QStringLiteral("second"), ReportMode::Modal);
    QVERIFY(!timerRan);   // no nested wait
    const frmErrorReport *open = Forms::Find<frmErrorReport>();
    QVERIFY(open && open->isVisible());
    QCOMPARE(reportLines().first(), QStringLiteral("Error Code : FRLOG001"));
}

void TestErrorReport::reportWithoutStatement()
{
    core::State().mLastSQL.clear();
    core::ReportError(QStringLiteral("ENDN001"), QStringLiteral("Bad data"), ReportMode::Modeless);
    QCOMPARE(reportLines(), (QStringList{"Error Code : ENDN001", "Bad data", "", "-----SQL QUERY WAS----", ""}));
}

void TestErrorReport::enterCloses_data()
{
    QTest::addColumn<bool>("inText");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter in the report text") << true << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in the report text") << true << int(Qt::Key_Enter);
    QTest::newRow("Enter on the button") << false << int(Qt::Key_Return);
}

// Read, then dismissed with Enter as with "&Close", wherever the focus is.
void TestErrorReport::enterCloses()
{
    QFETCH(bool, inText);
    QFETCH(int, key);
    core::ReportError(QStringLiteral("FRLOG001"), QStringLiteral("Object required"), ReportMode::Modeless);
    frmErrorReport *f = Forms::Find<frmErrorReport>();
    QVERIFY(f && QTest::qWaitForWindowActive(f));
    QWidget *focused = inText ? static_cast<QWidget *>(f->txtError) : f->Command1;
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key(key));
    QVERIFY(!Forms::IsLoaded<frmErrorReport>());
}

// The text is read, not edited; Tab leaves it for the button; Escape closes the window.
void TestErrorReport::keyboardReadsAndCloses()
{
    core::ReportError(QStringLiteral("FRLOG001"), QStringLiteral("Object required"), ReportMode::Modeless);
    frmErrorReport *f = Forms::Find<frmErrorReport>();
    QVERIFY(f && QTest::qWaitForWindowActive(f));
    const QString text = f->txtError->toPlainText();
    f->txtError->setFocus();
    QTest::keyClicks(f->txtError, QStringLiteral("typed"));
    QTest::keyClick(f->txtError, Qt::Key_Delete);
    QCOMPARE(f->txtError->toPlainText(), text);
    QTest::keyClick(f->txtError, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->Command1);
    QCOMPARE(f->txtError->toPlainText(), text);
    QTest::keyClick(f, Qt::Key_Escape);
    QVERIFY(!Forms::IsLoaded<frmErrorReport>());
}

QTEST_MAIN(TestErrorReport)
#include "tst_frmerrorreport.moc"
