// The popup menu: items as defined, a choice by name raising one event, no event without a
// choice, and a script that picks what a user could not.
#include "controls/popupmenu.h"
#include "ui/scripteddialogs.h"

#include <QSignalSpy>
#include <QtTest>

using namespace controls;

class TestPopupMenu : public QObject {
    Q_OBJECT
private slots:
    void choiceRaisesOneEventWithTheName();
    void closingWithoutChoiceRaisesNothing();
    void onlyChoosableItemsCanBeChosen_data();
    void onlyChoosableItemsCanBeChosen();
};

namespace {
void define(PopupMenu &menu)
{
    menu.addItem(QStringLiteral("&Show Customer Details"), QStringLiteral("mnuCustomerDetail"), 1);
    menu.addSeparator(QStringLiteral("sepd"));
    menu.addItem(QStringLiteral("&New Food && Beverages Order"), QStringLiteral("mnuFoodOrder"), 2);
    menu.addItem(QStringLiteral("Hidden"), QStringLiteral("mnuHidden"), 3, true, false);
    menu.addItem(QStringLiteral("Greyed"), QStringLiteral("mnuGreyed"), 4, false, true, true);
}
} // namespace

void TestPopupMenu::choiceRaisesOneEventWithTheName()
{
    QWidget owner;
    PopupMenu menu(&owner);
    define(menu);
    ui::ScriptedDialogs dialogs;
    dialogs.reply(ui::Reply::menuItem(QStringLiteral("mnuFoodOrder")));
    QSignalSpy click(&menu, &PopupMenu::click);
    QCOMPARE(menu.popUp(), QStringLiteral("mnuFoodOrder"));
    QCOMPARE(click.size(), 1);
    QCOMPARE(click[0][0].toString(), QStringLiteral("mnuFoodOrder"));
    // The menu showed its items as defined.
    const ui::ShownDialog shown = dialogs.last();
    QCOMPARE(shown.kind, ui::DialogKind::PopupMenu);
    QCOMPARE(shown.menu.size(), 5);
    QVERIFY(shown.menu[1].separator);
    QCOMPARE(shown.menu[2].caption, QStringLiteral("&New Food && Beverages Order"));
    QCOMPARE(shown.menu[4].id, 4);
    QVERIFY(shown.menu[4].checked);
}

void TestPopupMenu::closingWithoutChoiceRaisesNothing()
{
    QWidget owner;
    PopupMenu menu(&owner);
    define(menu);
    ui::ScriptedDialogs dialogs;
    QSignalSpy click(&menu, &PopupMenu::click);
    QCOMPARE(menu.popUp(), QString());
    dialogs.reply(ui::Reply::cancel());
    QCOMPARE(menu.popUp(), QString());
    QCOMPARE(click.size(), 0);
    QCOMPARE(dialogs.shown(ui::DialogKind::PopupMenu).size(), 2);
}

void TestPopupMenu::onlyChoosableItemsCanBeChosen_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("separator") << QStringLiteral("sepd");
    QTest::newRow("invisible") << QStringLiteral("mnuHidden");
    QTest::newRow("disabled") << QStringLiteral("mnuGreyed");
    QTest::newRow("unknown") << QStringLiteral("mnuNothing");
}

void TestPopupMenu::onlyChoosableItemsCanBeChosen()
{
    QFETCH(QString, name);
    QWidget owner;
    PopupMenu menu(&owner);
    define(menu);
    ui::ScriptedDialogs dialogs;
    dialogs.reply(ui::Reply::menuItem(name));
    QSignalSpy click(&menu, &PopupMenu::click);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, menu.popUp());
    QCOMPARE(click.size(), 0);
    // Once enabled and shown, the same item can be chosen.
    if (ui::PopupMenuItem *item = menu.item(name); item && !item->separator) {
        item->enabled = item->visible = true;
        dialogs.reply(ui::Reply::menuItem(name));
        QCOMPARE(menu.popUp(), name);
    }
}

QTEST_MAIN(TestPopupMenu)
#include "tst_popupmenu.moc"
