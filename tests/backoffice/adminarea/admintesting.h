#pragma once
// What the administration area's tests share: a logged-in administrator, the window opened,
// rows of its lists found by text, and the modal editors driven once they show.
#include "backoffice/adminarea/frmadminarea.h"
#include "controls/reportlist.h"
#include "core/state/appstate.h"
#include "support/corefixture.h"
#include "ui/forms.h"
#include "vb/conversions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <functional>

namespace admintesting {

// An administrator's session on the test's database, the window open on it.
struct AdminSession {
    explicit AdminSession(const QString &engine = QStringLiteral("access"), const QString &user = QStringLiteral("admin"))
        : fx(engine)
    {
        core::State().mLoggedIn = true;
        core::State().mUserName = user;
        window().Show(ui::vbModeless);
    }
    ~AdminSession() { ui::Forms::Unload<backoffice::frmAdminArea>(); }

    backoffice::frmAdminArea &window() { return ui::Forms::Get<backoffice::frmAdminArea>(); }
    ui::ScriptedDialogs &dialogs() { return fx.dialogs(); }
    int count(const QString &sql) { return vb::CLng(fx.scalar(sql)); }
    void yes() { dialogs().reply(ui::Reply::button(ui::vbYes)); }

    testsupport::CoreFixture fx;
};

// The texts of one column of a list, top to bottom.
inline QStringList columnOf(const controls::ReportList *list, int subItem = 0)
{
    QStringList texts;
    for (int row = 1; row <= list->count(); ++row)
        texts << list->subItem(row, subItem);
    return texts;
}

// Selects the first row whose text is `text`, as a click would; false when there is none.
inline bool selectRow(controls::ReportList *list, const QString &text)
{
    const int row = static_cast<int>(columnOf(list).indexOf(text)) + 1;
    if (row < 1)
        return false;
    list->setListIndex(row);
    return true;
}

inline void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Runs `act` on the window of class T once it shows (a modal editor), from the event loop
// that its modal Show runs.
template <class T> void whenShown(std::function<void(T &)> act, int attempts = 500)
{
    QTimer::singleShot(0, [act, attempts] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<T *>(widget); window && window->isVisible()) {
                act(*window);
                return;
            }
        }
        if (attempts > 0)
            whenShown<T>(act, attempts - 1);
    });
}

// Opens an editor of class T by choosing `menuItem` in a list's popup (which `rightClick`
// raises) and lets `act` work in it while it shows; the editor is closed afterwards when
// still open. False when it never showed.
template <class T>
bool workInEditor(ui::ScriptedDialogs &dialogs, const QString &menuItem, const std::function<void()> &rightClick,
                  const std::function<void(T &)> &act)
{
    bool shown = false;
    whenShown<T>([&](T &editor) {
        shown = true;
        act(editor);
        if (editor.isVisible())
            editor.Unload();
    });
    dialogs.reply(ui::Reply::menuItem(menuItem));
    rightClick();
    processDeletes();
    return shown;
}

} // namespace admintesting
