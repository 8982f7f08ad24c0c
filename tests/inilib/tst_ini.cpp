// Class INI: values, lists, deletions, conversion and window positions with their minimum
// sizes, screen margins and failure rule.
#include "fakeform.h"
#include "inilib/ini.h"
#include "support/filebytes.h"
#include "ui/qtformobject.h"
#include "vb/locale.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using tarvolinkini::INI;
using testsupport::ReadBytes;

namespace {

const QChar NUL(0);

} // namespace

class TestIni : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path_;

    // An object on the test file, in the section "pos".
    void prepare(INI &ini)
    {
        ini.SetPath(path_);
        ini.SetSection(QStringLiteral("pos"));
    }
    void put(INI &ini, const QString &key, const QString &value)
    {
        ini.SetKey(key);
        ini.SetValue(value);
        QVERIFY(ini.Success());
    }
    QString valueOf(INI &ini, const QString &key)
    {
        ini.SetKey(key);
        return ini.Value();
    }

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void init()
    {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("config.ini"));
        QFile::remove(path_);
    }

    void newObjectIsEmpty()
    {
        INI ini;
        QCOMPARE(ini.LastReturnCode(), 0);
        QVERIFY(!ini.Success());
        QCOMPARE(ini.Path(), QString());
        QCOMPARE(ini.Section(), QString());
        QCOMPARE(ini.Key(), QString());
        QCOMPARE(ini.Default(), QString());
        ini.SetPath(path_);
        ini.SetSection(QStringLiteral("settings"));
        ini.SetKey(QStringLiteral("db"));
        QCOMPARE(ini.Value(), QString());
        ini.SetDefault(QStringLiteral("none"));
        QCOMPARE(ini.Value(), QStringLiteral("none"));
    }

    void valuesAreWrittenAndReadInWindowsFormPaths()
    {
        INI ini;
        ini.SetPath(dir_.path() + QStringLiteral("\\config.ini"));
        ini.SetSection(QStringLiteral("settings"));
        put(ini, QStringLiteral("useSQL"), QStringLiteral("  1 "));
        QCOMPARE(ini.LastReturnCode(), 1);
        QCOMPARE(ReadBytes(path_), QByteArray("[settings]\r\nuseSQL=  1 \r\n"));
        ini.SetSection(QStringLiteral("SETTINGS"));
        QCOMPARE(valueOf(ini, QStringLiteral("USESQL")), QStringLiteral("1"));
    }

    void valuesAreReadUpTo254Characters()
    {
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("long"), QString(300, QLatin1Char('v')));
        QCOMPARE(valueOf(ini, QStringLiteral("long")), QString(254, QLatin1Char('v')));
    }

    void nulCharactersAreRemovedBeforeWriting()
    {
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("k"), QStringLiteral("a") + NUL + QStringLiteral("b") + NUL + NUL + QStringLiteral("c"));
        QCOMPARE(valueOf(ini, QStringLiteral("k")), QStringLiteral("abc"));
    }

    void failedWriteLeavesLastReturnCodeZero()
    {
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("k"), QStringLiteral("v"));
        ini.SetPath(dir_.filePath(QStringLiteral("missing/config.ini")));
        ini.SetValue(QStringLiteral("v"));
        QCOMPARE(ini.LastReturnCode(), 0);
        QVERIFY(!ini.Success());
    }

    void deletions()
    {
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("a"), QStringLiteral("1"));
        put(ini, QStringLiteral("b"), QStringLiteral("2"));
        ini.SetSection(QStringLiteral("other"));
        put(ini, QStringLiteral("c"), QStringLiteral("3"));

        ini.SetSection(QStringLiteral("pos"));
        ini.SetKey(QStringLiteral("a"));
        ini.DeleteKey();
        QVERIFY(ini.Success());
        QCOMPARE(ini.INISection(), QStringLiteral("b") + NUL);

        ini.DeleteSection();
        QVERIFY(ini.Success());
        QCOMPARE(ini.Sections(), QStringLiteral("other") + NUL);

        // Setting the key list with no key name removes the section too.
        ini.SetSection(QStringLiteral("other"));
        ini.SetINISection(QStringLiteral("ignored"));
        QVERIFY(ini.Success());
        QCOMPARE(ini.Sections(), QString());
    }

    void enumerationsGiveArraysFromOne()
    {
        INI ini;
        ini.SetPath(path_);
        QStringList names{QStringLiteral("stale")};
        int32_t count = -1;
        ini.EnumerateAllSections(names, count);
        QCOMPARE(names, QStringList());
        QCOMPARE(count, 0);

        ini.SetSection(QStringLiteral("a"));
        put(ini, QStringLiteral("x"), QStringLiteral("1"));
        put(ini, QStringLiteral("y"), QStringLiteral("2"));
        ini.SetSection(QStringLiteral("b"));
        put(ini, QStringLiteral("z"), QStringLiteral("3"));
        ini.EnumerateAllSections(names, count);
        QCOMPARE(names, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
        QCOMPARE(count, 2);

        ini.SetSection(QStringLiteral("A"));
        ini.EnumerateCurrentSection(names, count);
        QCOMPARE(names, (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
        QCOMPARE(count, 2);

        // A missing section reads as the default, which holds no NUL and so no name.
        ini.SetSection(QStringLiteral("missing"));
        ini.SetDefault(QStringLiteral("dflt"));
        QCOMPARE(ini.INISection(), QStringLiteral("dflt"));
        ini.EnumerateCurrentSection(names, count);
        QCOMPARE(names, QStringList());
        QCOMPARE(count, 0);
    }

    void clngDefaultRoundsHalvesToEvenAndNeverFails()
    {
        INI ini;
        QCOMPARE(ini.CLngDefault(QStringLiteral("12.5")), 12);
        QCOMPARE(ini.CLngDefault(QStringLiteral("13.5")), 14);
        QCOMPARE(ini.CLngDefault(QStringLiteral("-2.5"), 9), -2);
        QCOMPARE(ini.CLngDefault(QStringLiteral("  42 ")), 42);
        QCOMPARE(ini.CLngDefault(QStringLiteral("abc"), 7), 7);
        QCOMPARE(ini.CLngDefault(QString(), 7), 7);
        QCOMPARE(ini.CLngDefault(QStringLiteral("2147483647")), 2147483647);
        QCOMPARE(ini.CLngDefault(QStringLiteral("2147483648"), 5), 5);
        QCOMPARE(ini.CLngDefault(QStringLiteral("FAIL"), -1), -1);
    }

    void savingANormalWindowWritesAllKeysAndRestoresKey()
    {
        INI ini;
        prepare(ini);
        ini.SetKey(QStringLiteral("mine"));
        FakeForm form;
        ini.SaveFormPosition(form);
        QCOMPARE(ini.Key(), QStringLiteral("mine"));
        QVERIFY(ini.Success());
        QCOMPARE(ReadBytes(path_), QByteArray("[pos]\r\nMaximised=0\r\nLeft=1200\r\nTop=900\r\nWidth=6000\r\nHeight=4500\r\n"));
    }

    void savingAMinimisedWindowWritesNothing()
    {
        INI ini;
        prepare(ini);
        FakeForm form;
        form.state = 1;
        ini.SaveFormPosition(form);
        QVERIFY(!QFile::exists(path_));
        QCOMPARE(ini.LastReturnCode(), 0);
    }

    void savingAMaximisedWindowKeepsTheNormalPosition()
    {
        INI ini;
        prepare(ini);
        FakeForm form;
        ini.SaveFormPosition(form);
        form.state = 2;
        form.left = 0;
        form.width = 28800;
        ini.SaveFormPosition(form);
        QCOMPARE(ReadBytes(path_), QByteArray("[pos]\r\nMaximised=1\r\nLeft=1200\r\nTop=900\r\nWidth=6000\r\nHeight=4500\r\n"));
    }

    void loadingWithoutSavedKeysKeepsThePositionAtLeastMinimal()
    {
        INI ini;
        prepare(ini);
        ini.SetKey(QStringLiteral("k"));
        ini.SetDefault(QStringLiteral("d"));
        FakeForm form;
        form.width = 1000;
        ini.LoadFormPosition(form);
        QCOMPARE(form.calls, QStringList{QStringLiteral("Move 1200 900 3000 4500")});
        QCOMPARE(ini.Key(), QStringLiteral("k"));
        QCOMPARE(ini.Default(), QStringLiteral("d"));
    }

    void smallSavedSizesAreRaisedToTheMinimum()
    {
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("Width"), QStringLiteral("1000"));
        put(ini, QStringLiteral("Height"), QStringLiteral("1000"));
        FakeForm form;
        ini.LoadFormPosition(form);
        QCOMPARE(form.calls, QStringList{QStringLiteral("Move 1200 900 3000 3000")});
        ini.LoadFormPosition(form, 500, 800);
        QCOMPARE(form.calls.last(), QStringLiteral("Move 1200 900 1000 1000"));
    }

    void positionsKeepAFourPixelMargin()
    {
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("Left"), QStringLiteral("-5000"));
        put(ini, QStringLiteral("Top"), QStringLiteral("15000"));   // bottom edge beyond 16200 - 60
        FakeForm form;
        ini.LoadFormPosition(form);
        QCOMPARE(form.calls, QStringList{QStringLiteral("Move 60 11640 6000 4500")});
    }

    void aWindowWiderThanTheScreenIsNarrowed()
    {
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("Left"), QStringLiteral("3000"));
        put(ini, QStringLiteral("Width"), QStringLiteral("40000"));
        FakeForm form;
        ini.LoadFormPosition(form);
        QCOMPARE(form.calls, QStringList{QStringLiteral("Move 60 900 28680 4500")});
        // Narrowed below the minimum width: not moved at all.
        form.calls.clear();
        ini.LoadFormPosition(form, 30000, 3000);
        QCOMPARE(form.calls, QStringList());
    }

    void maximisedIsRestoredAfterTheMove_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("-1") << QStringLiteral("-1") << true;
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("yes") << QStringLiteral("yes") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void maximisedIsRestoredAfterTheMove()
    {
        QFETCH(QString, saved);
        QFETCH(bool, maximised);
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("Maximised"), saved);
        FakeForm form;
        ini.LoadFormPosition(form);
        QStringList expected{QStringLiteral("Move 1200 900 6000 4500")};
        if (maximised)
            expected.append(QStringLiteral("WindowState 2"));
        QCOMPARE(form.calls, expected);
    }

    void anErrorInsideEndsTheLoadQuietly()
    {
        INI ini;
        prepare(ini);
        put(ini, QStringLiteral("Left"), QStringLiteral("2147483000"));
        put(ini, QStringLiteral("Maximised"), QStringLiteral("1"));
        QCOMPARE(ini.LastReturnCode(), 1);
        ini.SetKey(QStringLiteral("k"));
        ini.SetDefault(QStringLiteral("d"));
        FakeForm form;
        // Left + Width overflows the 32-bit arithmetic.
        ini.LoadFormPosition(form);
        QCOMPARE(form.calls, QStringList());
        QCOMPARE(ini.LastReturnCode(), 0);
        QCOMPARE(ini.Key(), QStringLiteral("k"));
        QCOMPARE(ini.Default(), QStringLiteral("d"));
    }

    void aQtWindowComesBackWhereItWasSaved()
    {
        INI ini;
        prepare(ini);
        QWidget saved;
        saved.setGeometry(100, 80, 500, 400);   // inside the 800 x 600 offscreen screen
        ui::QtFormObject savedForm(&saved);
        ini.SaveFormPosition(savedForm);
        QCOMPARE(valueOf(ini, QStringLiteral("Left")), QString::number(100 * savedForm.Screen().TwipsPerPixelX()));

        QWidget restored;
        restored.setGeometry(10, 10, 100, 100);
        ui::QtFormObject restoredForm(&restored);
        ini.LoadFormPosition(restoredForm);
        QCOMPARE(restored.geometry(), QRect(100, 80, 500, 400));
    }
};

QTEST_MAIN(TestIni)
#include "tst_ini.moc"
