// The report list: headers and the hidden key column, rows with sub-items and icons, the
// selection counted from 1, the mouse events with the platform's values, and a large fill.
#include "controls/popupmenu.h"
#include "controls/reportlist.h"
#include "ui/handlerguard.h"
#include "ui/twips.h"

#include <QSignalSpy>
#include <QtTest>
#include <stdexcept>

using namespace controls;

class TestReportList : public QObject {
    Q_OBJECT
private slots:
    void headersHideTheKeyColumn();
    void rowsKeepTheirTextsAndIcons();
    void selectionIsCountedFromOne();
    void rightPressSelectsTheRowUnderThePointer_data();
    void rightPressSelectsTheRowUnderThePointer();
    void popupKeysActAsARightClickOnTheCurrentRow_data();
    void popupKeysActAsARightClickOnTheCurrentRow();
    void leftClickReportsTheRow();
    void clearKeepsTheHeaders();
    void largeFillReachesTheView();
    void rowsFromASourceAreMadeWhenRead();
    void cellWhoseTextRaisesShowsNothing();
};

namespace {
// A shown list of three columns (the last the hidden key) and `rows` rows.
struct Fixture {
    ReportList list;
    explicit Fixture(int rows)
    {
        list.resize(600, 300);
        list.addColumnHeader(QStringLiteral("Title"), 1500);
        list.addColumnHeader(QStringLiteral("First Name"), 2000);
        list.addColumnHeader(QString(), 0);
        list.setFullRowSelect(true);
        for (int r = 1; r <= rows; ++r) {
            const int row = list.addItem(QStringLiteral("T%1").arg(r));
            list.setSubItem(row, 1, QStringLiteral("Name %1").arg(r));
            list.setSubItem(row, 2, QString::number(r * 10));
        }
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCoreApplication::processEvents();
    }
    QPoint centreOfRow(int row) const
    {
        return list.visualRect(list.model()->index(row - 1, 0)).center();
    }
};
} // namespace

void TestReportList::headersHideTheKeyColumn()
{
    Fixture f(0);
    QCOMPARE(f.list.columnHeaderCount(), 3);
    QCOMPARE(f.list.columnCaption(2), QStringLiteral("First Name"));
    QCOMPARE(f.list.columnWidthTwips(2), 2000);
    QCOMPARE(f.list.columnWidth(1), ui::TwipsToPixelsX(2000));
    QVERIFY(!f.list.isColumnHidden(1));
    QVERIFY(f.list.isColumnHidden(2));
    // A header put at place 1 moves the others right.
    QCOMPARE(f.list.addColumnHeader(QStringLiteral("No"), 600, 1), 1);
    QCOMPARE(f.list.columnCaption(2), QStringLiteral("Title"));
    QVERIFY(f.list.isColumnHidden(3));
}

void TestReportList::rowsKeepTheirTextsAndIcons()
{
    Fixture f(2);
    QPixmap red(16, 16), blue(16, 16);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    f.list.setSmallIcons({QIcon(red), QIcon(blue)});
    f.list.setSmallIcon(2, 2);
    QCOMPARE(f.list.count(), 2);
    QCOMPARE(f.list.text(2), QStringLiteral("T2"));
    QCOMPARE(f.list.subItem(2, 1), QStringLiteral("Name 2"));
    QCOMPARE(f.list.subItem(2, 2), QStringLiteral("20"));
    QCOMPARE(f.list.smallIconOf(2), 2);
    QCOMPARE(f.list.smallIconOf(1), 0);
    const QModelIndex cell = f.list.model()->index(1, 0);
    const QIcon shown = f.list.model()->data(cell, Qt::DecorationRole).value<QIcon>();
    QCOMPARE(shown.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::blue));
    QVERIFY(f.list.model()->data(f.list.model()->index(0, 0), Qt::DecorationRole).isNull());
    // A whole row at once, as a large fill adds them.
    const int row = f.list.addRow({QStringLiteral("Dr"), QStringLiteral("Ann"), QStringLiteral("7")}, 1);
    QCOMPARE(row, 3);
    QCOMPARE(f.list.subItem(3, 2), QStringLiteral("7"));
    QCOMPARE(f.list.smallIconOf(3), 1);
}

void TestReportList::selectionIsCountedFromOne()
{
    Fixture f(3);
    QCOMPARE(f.list.listIndex(), -1);
    f.list.setListIndex(3);
    QCOMPARE(f.list.listIndex(), 3);
    f.list.setListIndex(-1);
    QCOMPARE(f.list.listIndex(), -1);
    f.list.setListIndex(2);
    f.list.clear();
    QCOMPARE(f.list.listIndex(), -1);
}

void TestReportList::rightPressSelectsTheRowUnderThePointer_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("shift");
    QTest::newRow("plain") << Qt::KeyboardModifiers() << 0;
    QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1;
    QTest::newRow("ctrl+alt") << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier) << 6;
}

void TestReportList::rightPressSelectsTheRowUnderThePointer()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, shift);
    Fixture f(5);
    f.list.setListIndex(1);
    QSignalSpy down(&f.list, &ReportList::mouseDown);
    QSignalSpy up(&f.list, &ReportList::mouseUp);
    // What the window sees when the release arrives: the row is already selected.
    int indexAtRelease = 0;
    connect(&f.list, &ReportList::mouseUp, &f.list, [&] { indexAtRelease = f.list.listIndex(); });
    const QPoint at = f.centreOfRow(4);
    QTest::mousePress(f.list.viewport(), Qt::RightButton, modifiers, at);
    QTest::mouseRelease(f.list.viewport(), Qt::RightButton, modifiers, at);
    QCOMPARE(indexAtRelease, 4);
    QCOMPARE(down.size(), 1);
    QCOMPARE(up.size(), 1);
    QCOMPARE(up[0][0].toInt(), 2);
    QCOMPARE(up[0][1].toInt(), shift);
    QCOMPARE(up[0][2].toInt(), ui::PixelsToTwipsX(at.x()));
    QCOMPARE(up[0][3].toInt(), ui::PixelsToTwipsY(at.y()));
    QCOMPARE(f.list.lastClickX(), ui::PixelsToTwipsX(at.x()));
    QCOMPARE(f.list.lastClickY(), ui::PixelsToTwipsY(at.y()));
    // Below the last row there is no row: the selection stays.
    const QPoint below(at.x(), f.list.viewport()->height() - 2);
    QTest::mousePress(f.list.viewport(), Qt::RightButton, Qt::KeyboardModifiers(), below);
    QCOMPARE(f.list.listIndex(), 4);
}

void TestReportList::popupKeysActAsARightClickOnTheCurrentRow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("platformMenuEvent");
    QTest::newRow("Menu key") << int(Qt::Key_Menu) << Qt::KeyboardModifiers() << false;
    // The platform follows the Menu key with a context-menu request of its own.
    QTest::newRow("Menu key and the platform's request") << int(Qt::Key_Menu) << Qt::KeyboardModifiers() << true;
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
}

void TestReportList::popupKeysActAsARightClickOnTheCurrentRow()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, platformMenuEvent);
    Fixture f(5);
    // The second row current, by the keyboard, and nothing selected.
    f.list.setFocus();
    f.list.setListIndex(1);
    QTest::keyClick(&f.list, Qt::Key_Down);
    QCOMPARE(f.list.currentIndex().row(), 1);
    f.list.clearSelection();
    QCOMPARE(f.list.listIndex(), -1);
    QSignalSpy down(&f.list, &ReportList::mouseDown);
    QSignalSpy up(&f.list, &ReportList::mouseUp);
    int indexAtRelease = 0;
    std::optional<QPoint> menuAt;
    connect(&f.list, &ReportList::mouseUp, &f.list, [&] {
        indexAtRelease = f.list.listIndex();
        menuAt = controls::PopupAnchor::current();
    });
    QTest::keyPress(&f.list, Qt::Key(key), modifiers);
    if (platformMenuEvent) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1), f.list.mapToGlobal(QPoint(1, 1)));
        QCoreApplication::sendEvent(&f.list, &request);
    }
    QTest::keyRelease(&f.list, Qt::Key(key), modifiers);
    QCOMPARE(down.size(), 1);
    QCOMPARE(up.size(), 1);
    QCOMPARE(up[0][0].toInt(), 2);
    QCOMPARE(up[0][1].toInt(), 0);
    QCOMPARE(indexAtRelease, 2);
    // A menu opened meanwhile appears at the row, wherever the pointer is.
    const QRect row = f.list.visualRect(f.list.model()->index(1, 0));
    QVERIFY(menuAt);
    QVERIFY2(row.adjusted(0, 0, 0, 1).contains(f.list.viewport()->mapFromGlobal(*menuAt)),
             qPrintable(QStringLiteral("menu at %1,%2").arg(menuAt->x()).arg(menuAt->y())));
    QVERIFY(!controls::PopupAnchor::current());
    // The platform's request alone (the key went to nobody here) opens it once too.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1), f.list.mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(&f.list, &request);
    QCOMPARE(up.size(), 2);
}

void TestReportList::leftClickReportsTheRow()
{
    Fixture f(3);
    QSignalSpy click(&f.list, &ReportList::itemClick);
    QSignalSpy dbl(&f.list, &ReportList::dblClick);
    QSignalSpy down(&f.list, &ReportList::mouseDown);
    QTest::mouseClick(f.list.viewport(), Qt::LeftButton, Qt::KeyboardModifiers(), f.centreOfRow(2));
    QCOMPARE(click.size(), 1);
    QCOMPARE(click[0][0].toInt(), 2);
    QCOMPARE(down[0][0].toInt(), 1);
    QCOMPARE(f.list.listIndex(), 2);
    QTest::mouseDClick(f.list.viewport(), Qt::LeftButton, Qt::KeyboardModifiers(), f.centreOfRow(3));
    QCOMPARE(dbl.size(), 1);
    QCOMPARE(f.list.listIndex(), 3);
}

void TestReportList::clearKeepsTheHeaders()
{
    Fixture f(4);
    f.list.clear();
    QCOMPARE(f.list.count(), 0);
    QCOMPARE(f.list.model()->rowCount(), 0);
    QCOMPARE(f.list.columnHeaderCount(), 3);
    f.list.addItem(QStringLiteral("again"));
    f.list.commitRows();
    QCOMPARE(f.list.model()->rowCount(), 1);
}

void TestReportList::largeFillReachesTheView()
{
    Fixture f(0);
    for (int r = 1; r <= 100000; ++r)
        f.list.addRow({QStringLiteral("T"), QString::number(r), QString::number(r)});
    // The view learns of the rows in one batch, at the next turn of the event loop.
    QCoreApplication::processEvents();
    QCOMPARE(f.list.model()->rowCount(), 100000);
    f.list.setListIndex(100000);
    QCOMPARE(f.list.listIndex(), 100000);
    QCOMPARE(f.list.subItem(f.list.listIndex(), 1), QStringLiteral("100000"));
    QVERIFY(f.list.viewport()->rect().intersects(f.list.visualRect(f.list.model()->index(99999, 0))));
}

namespace {
// Rows "R<n>" / "<n * 10>", counting every text it is asked for.
class CountingSource : public ReportRowSource {
public:
    explicit CountingSource(qsizetype rows) : rows_(rows) {}
    qsizetype rows() const override { return rows_; }
    QString text(qsizetype row, int column) const override
    {
        ++asked;
        if (row == failingRow)
            throw std::runtime_error("no text");
        return column == 0 ? QStringLiteral("R%1").arg(row + 1) : QString::number((row + 1) * 10);
    }
    int smallIcon(qsizetype row) const override { return row % 2 ? 2 : 1; }
    mutable int asked = 0;
    qsizetype failingRow = -1;

private:
    qsizetype rows_;
};
} // namespace

// A large list taken from a source: the view learns of every row at once, only the rows it
// paints are asked for, a changed row keeps its change, rows added later follow, and the
// source goes with the next clear.
void TestReportList::rowsFromASourceAreMadeWhenRead()
{
    Fixture f(2);
    auto source = std::make_shared<CountingSource>(100000);
    f.list.setRows(source);
    QCOMPARE(f.list.count(), 100000);
    QCOMPARE(f.list.model()->rowCount(), 100000);
    f.list.viewport()->repaint();
    QVERIFY(source->asked > 0);
    QVERIFY(source->asked < 1000);
    QCOMPARE(f.list.text(100000), QStringLiteral("R100000"));
    QCOMPARE(f.list.subItem(7, 1), QStringLiteral("70"));
    QCOMPARE(f.list.smallIconOf(2), 2);

    f.list.setSubItem(7, 1, QStringLiteral("changed"));
    f.list.setSmallIcon(8, 0);
    QCOMPARE(f.list.subItem(7, 1), QStringLiteral("changed"));
    QCOMPARE(f.list.text(7), QStringLiteral("R7"));
    QCOMPARE(f.list.smallIconOf(8), 0);
    QCOMPARE(f.list.subItem(8, 0), QStringLiteral("R8"));
    QCOMPARE(f.list.addRow({QStringLiteral("after"), QStringLiteral("1")}), 100001);
    f.list.commitRows();
    QCOMPARE(f.list.model()->rowCount(), 100001);
    QCOMPARE(f.list.subItem(100001, 0), QStringLiteral("after"));

    const std::weak_ptr<CountingSource> held = source;
    source.reset();
    QVERIFY(!held.expired());
    f.list.clear();
    QVERIFY(held.expired());
    QCOMPARE(f.list.count(), 0);
}

// Painting asks the rows for their texts; one that raises is reported and its cells stay empty.
void TestReportList::cellWhoseTextRaisesShowsNothing()
{
    static int reported = 0;
    reported = 0;
    ui::SetHandlerErrorReporter([] { ++reported; });
    Fixture f(2);
    auto source = std::make_shared<CountingSource>(3);
    source->failingRow = 1;
    f.list.setRows(source);
    f.list.viewport()->repaint();
    QVERIFY(reported > 0);
    QCOMPARE(f.list.model()->data(f.list.model()->index(1, 1)), QVariant());
    QCOMPARE(f.list.model()->data(f.list.model()->index(2, 1)).toString(), QStringLiteral("30"));
    ui::SetHandlerErrorReporter(nullptr);
}

QTEST_MAIN(TestReportList)
#include "tst_reportlist.moc"
