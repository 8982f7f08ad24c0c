// The small aids: cleaning a text of a list of sequences, and the cash-in sound.
#include "core/aids/playwave.h"
#include "core/aids/replaceeach.h"
#include "ui/scripteddialogs.h"
#include "vb/app.h"
#include "vb/locale.h"

#include <QtTest>

class TestAids : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void replaceEachRemovesEveryItem();
    void replaceEachReplacesInItemOrder();
    void replaceEachIgnoresEmptyItemsAndUsesItemsAsText();
    void replaceEachItemWithoutTextGivesCriticalMessage();

    void playWaveWithMissingFileReturnsQuietly();
};

void TestAids::replaceEachRemovesEveryItem()
{
    ui::ScriptedDialogs dialogs;
    QCOMPARE(core::ReplaceEach(QStringLiteral("R'o;o?m'1?"), QString(), {"'", ";", "?"}), QStringLiteral("Room1"));
    QVERIFY(dialogs.shown().isEmpty());
}

void TestAids::replaceEachReplacesInItemOrder()
{
    // Each item works on the result of the ones before it, scanning from the first character.
    QCOMPARE(core::ReplaceEach(QStringLiteral("aaa"), QStringLiteral("b"), {"aa", "ba"}), QStringLiteral("b"));
    QCOMPARE(core::ReplaceEach(QStringLiteral("Ab ab"), QStringLiteral("x"), {"ab"}), QStringLiteral("Ab x"));
}

void TestAids::replaceEachIgnoresEmptyItemsAndUsesItemsAsText()
{
    QCOMPARE(core::ReplaceEach(QStringLiteral("a1b"), QStringLiteral("-"), {vb::Variant(), ""}), QStringLiteral("a1b"));
    QCOMPARE(core::ReplaceEach(QStringLiteral("a12b"), QStringLiteral("-"), {vb::Variant(int16_t(12))}),
             QStringLiteral("a-b"));
}

void TestAids::replaceEachItemWithoutTextGivesCriticalMessage()
{
    ui::ScriptedDialogs dialogs;
    QCOMPARE(core::ReplaceEach(QStringLiteral("abc"), QString(), {"a", vb::Null}), QString());
    QCOMPARE(dialogs.shown().size(), 1);
    const ui::ShownDialog box = dialogs.last();
    QCOMPARE(box.text, QStringLiteral("Functions_Module_01\r\nError : 94\r\nInvalid use of Null\r\n"
                                      " Critical error, please report to : support@brevant.example"));
    QCOMPARE(box.icon(), ui::vbCritical);
    QCOMPARE(box.buttons(), ui::vbOKOnly);
    QCOMPARE(box.title, QStringLiteral("Brevant"));
}

void TestAids::playWaveWithMissingFileReturnsQuietly()
{
    // The real sound service, without a file: no error, no message, false.
    QVERIFY(!core::PlayWave(vb::AppPath() + QStringLiteral("/sounds/no-such-sound.wav")));
    QVERIFY(!core::PlayWave(QString()));
}

QTEST_MAIN(TestAids)
#include "tst_aids.moc"
