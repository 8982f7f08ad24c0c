// The dialogs service: VB style values, filter texts, the scripted service tests use, and
// the Qt service where it can run without a person (message box, shell, programs, sound).
#include "ui/desktop.h"
#include "ui/filefilter.h"
#include "ui/hourglass.h"
#include "ui/qtdialogs.h"
#include "ui/qtprogress.h"
#include "ui/scripteddialogs.h"
#include "ui/sound.h"
#include "ui/topmost.h"
#include "ui/twips.h"
#include "vb/locale.h"

#include "support/wavebytes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <QtTest>

using namespace ui;

namespace {

// Runs `act` on the modal message box once it is up. A zero timer is not enough: on a busy
// machine it may fire before the box is shown, and then nobody ever answers it. A box that
// never comes is closed after a while, so the test fails instead of hanging.
void whenBoxShown(std::function<void(QMessageBox *)> act)
{
    auto *poll = new QTimer;
    auto *waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        const bool shown = box && box->isVisible();
        if (!shown && waited->elapsed() < 30000)
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (shown)
            act(box);
        else if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    poll->start(10);
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void msgBoxAnswersFollowTheStyle_data();
    void msgBoxAnswersFollowTheStyle();
    void vbFiltersBecomeQtNameFilters_data();
    void vbFiltersBecomeQtNameFilters();

    void scriptedMessageBoxRecordsAndAnswers();
    void scriptedInputAndFileDialogs();
    void scriptedColourFontShellSound();
    void scriptOutOfStepFailsLoudly();
    void scriptedServiceInstallsForItsLifetime();

    void qtMessageBoxShowsTitleIconAndDefault();
    void qtChoiceEndsOnlyOnItsButtons();
    void qtShellAndProgramsFailQuietly();
    void qtSoundStartsWithoutWaiting();
    void qtProgressShowsAfterAMomentAndStops();
    void topMostAndHourglass();
    void twipsAtNinetySixDpi();
};

void TestDialogs::msgBoxAnswersFollowTheStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("defaultAnswer");
    QTest::addColumn<int>("escape");
    QTest::newRow("ok") << int(vbOKOnly | vbInformation) << QList<int>{vbOK} << int(vbOK) << int(vbOK);
    QTest::newRow("ok, default 2 absent") << int(vbOKOnly | vbDefaultButton2) << QList<int>{vbOK}
                                          << int(vbOK) << int(vbOK);
    QTest::newRow("ok cancel") << int(vbOKCancel) << QList<int>{vbOK, vbCancel} << int(vbOK)
                               << int(vbCancel);
    QTest::newRow("yes no, no default") << int(vbYesNo | vbInformation | vbDefaultButton2)
                                        << QList<int>{vbYes, vbNo} << int(vbNo) << 0;
    QTest::newRow("yes no cancel, 3") << int(vbYesNoCancel | vbDefaultButton3)
                                      << QList<int>{vbYes, vbNo, vbCancel} << int(vbCancel)
                                      << int(vbCancel);
    QTest::newRow("abort retry ignore") << int(vbAbortRetryIgnore | vbCritical | vbDefaultButton2)
                                        << QList<int>{vbAbort, vbRetry, vbIgnore} << int(vbRetry) << 0;
    QTest::newRow("retry cancel") << int(vbRetryCancel | vbExclamation)
                                  << QList<int>{vbRetry, vbCancel} << int(vbRetry) << int(vbCancel);
}

void TestDialogs::msgBoxAnswersFollowTheStyle()
{
    QFETCH(int, style);
    QFETCH(QList<int>, answers);
    QFETCH(int, defaultAnswer);
    QFETCH(int, escape);
    QCOMPARE(MsgBoxAnswers(style), answers);
    QCOMPARE(MsgBoxDefaultAnswer(style), defaultAnswer);
    QCOMPARE(MsgBoxEscapeAnswer(style), escape);
}

void TestDialogs::vbFiltersBecomeQtNameFilters_data()
{
    QTest::addColumn<QString>("vb");
    QTest::addColumn<QStringList>("qt");
    QTest::newRow("mdb") << "Microsoft MDB (*.mdb)|*.mdb" << QStringList{"Microsoft MDB (*.mdb)"};
    QTest::newRow("xls") << "*.xls (Excel Workbook)|*.xls"
                         << QStringList{"*.xls (Excel Workbook) (*.xls)"};
    QTest::newRow("two, several patterns") << "Text|*.txt;*.log|All files (*.*)|*.*"
                                           << QStringList{"Text (*.txt *.log)", "All files (*.*)"};
    QTest::newRow("rtf, trailing bar") << "Rich Text (*.rtf)|*.rtf|" << QStringList{"Rich Text (*.rtf)"};
    QTest::newRow("no pattern") << "Anything" << QStringList{"Anything (*)"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestDialogs::vbFiltersBecomeQtNameFilters()
{
    QFETCH(QString, vb);
    QFETCH(QStringList, qt);
    const QStringList filters = QtNameFilters(vb);
    QCOMPARE(filters, qt);
    if (!qt.isEmpty()) {
        QCOMPARE(NameFilterIndex(filters, qt.last()), int(qt.size()));
        QCOMPARE(NameFilterIndex(filters, QStringLiteral("nothing (*.x)")), 0);
    }
}

void TestDialogs::scriptedMessageBoxRecordsAndAnswers()
{
    ScriptedDialogs dialogs;
    // No title given: the application's; no reply queued: the default button.
    QCOMPARE(MsgBox(QStringLiteral("Successfully Logged Out!"), vbInformation), int(vbOK));
    QCOMPARE(MsgBox(QStringLiteral("Confirm Save this Order?"),
                    vbYesNo + vbInformation + vbDefaultButton2, QStringLiteral("Save Order")),
             int(vbNo));
    dialogs.reply(Reply::button(vbYes));
    QCOMPARE(MsgBox(QStringLiteral("Remove?"), vbYesNo + vbQuestion, QStringLiteral("Remove Tax")),
             int(vbYes));
    QCOMPARE(dialogs.pendingReplies(), 0);

    QCOMPARE(dialogs.shown().size(), 3);
    const ShownDialog first = dialogs.shown().at(0);
    QCOMPARE(first.kind, DialogKind::MessageBox);
    QCOMPARE(first.title, QStringLiteral("Brevant"));
    QCOMPARE(first.text, QStringLiteral("Successfully Logged Out!"));
    QCOMPARE(first.buttons(), int(vbOKOnly));
    QCOMPARE(first.icon(), int(vbInformation));

    const ShownDialog second = dialogs.shown().at(1);
    QCOMPARE(second.title, QStringLiteral("Save Order"));
    QCOMPARE(second.buttons(), int(vbYesNo));
    QCOMPARE(second.icon(), int(vbInformation));
    QCOMPARE(second.defaultButton(), int(vbDefaultButton2));
    QCOMPARE(dialogs.last().icon(), int(vbQuestion));
    QCOMPARE(dialogs.messages(),
             (QStringList{"Successfully Logged Out!", "Confirm Save this Order?", "Remove?"}));
}

void TestDialogs::scriptedInputAndFileDialogs()
{
    ScriptedDialogs dialogs;
    dialogs.reply(Reply::text(QStringLiteral("typed")));
    dialogs.reply(Reply::cancel());
    QCOMPARE(InputBox(QStringLiteral("Name?")), std::optional<QString>(QStringLiteral("typed")));
    QCOMPARE(InputBox(QStringLiteral("Name?")), std::optional<QString>());
    // Unanswered: as if Enter was pressed on the proposed text.
    QCOMPARE(InputBox(QStringLiteral("Name?"), QStringLiteral("Ask"), QStringLiteral("proposal")),
             std::optional<QString>(QStringLiteral("proposal")));
    QCOMPARE(dialogs.last().title, QStringLiteral("Ask"));
    QCOMPARE(dialogs.shown(DialogKind::InputBox).first().title, QStringLiteral("Brevant"));

    FileDialogOptions open;
    open.title = QStringLiteral("Locate Database");
    open.filter = QStringLiteral("Microsoft MDB (*.mdb)|*.mdb");
    dialogs.reply(Reply::file(QStringLiteral("/data/hotel.mdb")));
    const FileDialogResult chosen = GetOpenFileName(open);
    QVERIFY(chosen);
    QCOMPARE(chosen.fileName, QStringLiteral("/data/hotel.mdb"));
    QCOMPARE(chosen.filterIndex, 1);

    // A cancelled dialog, and one nobody answered, are told apart from a choice.
    FileDialogOptions save;
    save.title = QStringLiteral("Export to");
    save.filter = QStringLiteral("*.xls (Excel Workbook)|*.xls");
    save.overwritePrompt = true;
    dialogs.reply(Reply::cancel());
    const FileDialogResult cancelled = GetSaveFileName(save);
    QVERIFY(!cancelled);
    QVERIFY(cancelled.fileName.isEmpty());
    QCOMPARE(cancelled.filterIndex, 0);
    QVERIFY(!GetSaveFileName(save));

    const QList<ShownDialog> saves = dialogs.shown(DialogKind::SaveFile);
    QCOMPARE(saves.size(), 2);
    QCOMPARE(saves.first().title, QStringLiteral("Export to"));
    QCOMPARE(saves.first().file.filter, QStringLiteral("*.xls (Excel Workbook)|*.xls"));
    QVERIFY(saves.first().file.overwritePrompt);
    QCOMPARE(dialogs.shown(DialogKind::OpenFile).first().file.filter,
             QStringLiteral("Microsoft MDB (*.mdb)|*.mdb"));
}

void TestDialogs::scriptedColourFontShellSound()
{
    ScriptedDialogs dialogs;
    dialogs.reply(Reply::color(Qt::red));
    QCOMPARE(ChooseColor(Qt::black), std::optional<QColor>(QColor(Qt::red)));
    QCOMPARE(ChooseColor(Qt::blue), std::optional<QColor>());   // unanswered: cancelled
    QCOMPARE(dialogs.last().color, QColor(Qt::blue));

    QFont chosen(QStringLiteral("DejaVu Sans"), 14);
    dialogs.reply(Reply::font(chosen));
    QCOMPARE(ChooseFont(QFont()), std::optional<QFont>(chosen));

    // These take no reply: the queued one is still there afterwards.
    dialogs.reply(Reply::button(vbNo));
    QVERIFY(ShellOpen(QStringLiteral("/prog/help.chm")));
    QVERIFY(StartProgram({QStringLiteral("gnome-calculator"), QStringLiteral("xcalc")}));
    QVERIFY(PlayWave(QStringLiteral("/prog/sounds/cashin.wav")));
    QCOMPARE(dialogs.pendingReplies(), 1);

    QCOMPARE(dialogs.shown(DialogKind::ShellOpen).first().text, QStringLiteral("/prog/help.chm"));
    QCOMPARE(dialogs.shown(DialogKind::StartProgram).first().programs,
             (QStringList{"gnome-calculator", "xcalc"}));
    QCOMPARE(dialogs.shown(DialogKind::Sound).first().text, QStringLiteral("/prog/sounds/cashin.wav"));
}

void TestDialogs::scriptOutOfStepFailsLoudly()
{
    ScriptedDialogs dialogs;
    dialogs.reply(Reply::text(QStringLiteral("not a button")));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, MsgBox(QStringLiteral("?"), vbYesNo));
    dialogs.reply(Reply::button(vbOK));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, GetOpenFileName({}));
}

void TestDialogs::scriptedServiceInstallsForItsLifetime()
{
    ScriptedDialogs outer;
    {
        ScriptedDialogs inner;
        QCOMPARE(&CurrentDialogs(), static_cast<Dialogs *>(&inner));
        MsgBox(QStringLiteral("inner"));
    }
    QCOMPARE(&CurrentDialogs(), static_cast<Dialogs *>(&outer));
    MsgBox(QStringLiteral("outer"));
    QCOMPARE(outer.messages(), QStringList{"outer"});
}

void TestDialogs::qtMessageBoxShowsTitleIconAndDefault()
{
    QtDialogs qt;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultText;
    int buttonCount = 0;
    whenBoxShown([&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        buttonCount = int(box->buttons().size());
        box->button(QMessageBox::No)->click();
    });
    const int answer = qt.messageBox({QStringLiteral("Remove this customer?"),
                                      vbYesNo + vbInformation + vbDefaultButton2,
                                      QStringLiteral("Remove Customer")});
    QCOMPARE(answer, int(vbNo));
    QCOMPARE(title, QStringLiteral("Remove Customer"));
    QCOMPARE(text, QStringLiteral("Remove this customer?"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttonCount, 2);
    QCOMPARE(defaultText.remove(QLatin1Char('&')), QStringLiteral("No"));

    // Esc on OK/Cancel answers Cancel.
    whenBoxShown([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(qt.messageBox({QStringLiteral("Go on?"), vbOKCancel, QStringLiteral("Brevant")}),
             int(vbCancel));
}

void TestDialogs::qtChoiceEndsOnlyOnItsButtons()
{
    QtDialogs qt;
    QStringList labels;
    QString defaultText;
    bool openAfterEscape = false;
    whenBoxShown([&](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons())
            labels.append(button->text());
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Escape);
        openAfterEscape = box->isVisible();
        for (QAbstractButton *button : box->buttons())
            if (button->text() == QStringLiteral("No to all"))
                button->click();
    });
    const int answer = qt.choose({.prompt = QStringLiteral("Remove the shared file?"),
                                  .title = QStringLiteral("Remove shared file"),
                                  .buttons = {{1007, QStringLiteral("Yes to all")}, {1005, QStringLiteral("Yes")},
                                              {1006, QStringLiteral("No")}, {1008, QStringLiteral("No to all")}},
                                  .defaultAnswer = 1005});
    QCOMPARE(answer, 1008);
    QVERIFY(openAfterEscape);
    QCOMPARE(defaultText, QStringLiteral("Yes"));
    QCOMPARE(labels.size(), 4);
}

void TestDialogs::qtShellAndProgramsFailQuietly()
{
    const QString scratch = qEnvironmentVariable("HOTEL_TEST_SCRATCH", QDir::tempPath());
    QVERIFY(!OpenWithDesktop(scratch + QStringLiteral("/missing/help.chm")));
    QVERIFY(!OpenWithDesktop(QString()));
    QVERIFY(!StartInstalledProgram({QStringLiteral("no-such-calculator-here")}, {}));
    QVERIFY(!StartInstalledProgram({}, {}));
    // The first installed candidate is the one started.
    QVERIFY(StartInstalledProgram({QStringLiteral("no-such-calculator-here"), QStringLiteral("true")}, {}));
}

void TestDialogs::qtSoundStartsWithoutWaiting()
{
    const QString scratch = qEnvironmentVariable("HOTEL_TEST_SCRATCH", QDir::tempPath());
    QDir().mkpath(scratch);
    QVERIFY(!PlaySoundFile(scratch + QStringLiteral("/missing.wav")));
    QVERIFY(!PlaySoundFile(QString()));

    // Ten seconds of 8 kHz mono silence: a call that waited for the end would take that long.
    const QString wav = scratch + QStringLiteral("/cashin.wav");
    QFile f(wav);
    QVERIFY(f.open(QIODevice::WriteOnly));
    const quint32 samples = 80000;
    f.write(testsupport::WaveRiff(testsupport::WaveFmt(1, 1, 8000, 16)
                                  + testsupport::WaveChunk("data", QByteArray(int(samples * 2), 0))));
    f.close();

    QElapsedTimer timer;
    timer.start();
    QVERIFY(PlaySoundFile(wav));
    QVERIFY(PlaySoundFile(QDir::toNativeSeparators(wav).replace(QLatin1Char('/'), QLatin1Char('\\'))));
    QVERIFY2(timer.elapsed() < 5000, "playing must not wait for the end of the sound");
}

void TestDialogs::qtProgressShowsAfterAMomentAndStops()
{
    QWidget owner;
    owner.show();
    QElapsedTimer clock;
    clock.start();
    QtDialogs qt;
    const std::unique_ptr<Progress> progress =
        qt.progress({QStringLiteral("Brevant"), QStringLiteral("guests.xls"), 1000, &owner});
    bool eventHandled = false;
    QTimer::singleShot(0, &owner, [&] { eventHandled = true; });

    // Work of a millisecond a step, until the user's "Cancel" on the window stops it.
    bool goesOn = true;
    for (qint64 step = 1; goesOn && clock.elapsed() < 20000; ++step) {
        QThread::msleep(1);
        goesOn = progress->advance(step % 1000);
        auto *window = owner.findChild<QProgressDialog *>();
        if (!window || window->wasCanceled())
            continue;
        QVERIFY2(clock.elapsed() >= QtProgress::kShowAfterMs, "short work shows no window");
        QVERIFY2(eventHandled, "the windows' events are handled before the progress shows");
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        QCOMPARE(window->windowTitle(), QStringLiteral("Brevant"));
        QCOMPARE(window->labelText(), QStringLiteral("guests.xls"));
        const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 1);
        buttons.constFirst()->click();
    }
    QVERIFY2(!goesOn, "Cancel stops the work");
    QVERIFY(!progress->advance(1));
}

void TestDialogs::topMostAndHourglass()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(SetTopMost(&window, true) != 0);
    QVERIFY(IsTopMost(&window));
    QVERIFY(window.isVisible());   // changing the flag keeps the window up
    QCOMPARE(SetTopMost(&window, false), 0);
    QVERIFY(!IsTopMost(&window));
    QVERIFY(window.isVisible());
    QCOMPARE(SetTopMost(nullptr, true), 0);

    QVERIFY(!QGuiApplication::overrideCursor());
    {
        Hourglass outer;
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            Hourglass inner;
        }
        QVERIFY(QGuiApplication::overrideCursor());
    }
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestDialogs::twipsAtNinetySixDpi()
{
    QCOMPARE(TwipsPerPixelX(), 15);
    QCOMPARE(TwipsPerPixelY(), 15);
    QCOMPARE(PixelsToTwipsX(200), 3000);
    QCOMPARE(TwipsToPixelsY(3000), 200);
    QCOMPARE(TwipsToPixelsX(3007), 200);   // to the nearest pixel
    QCOMPARE(ScreenWidthTwips(), QGuiApplication::primaryScreen()->geometry().width() * 15);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
