#pragma once
// Runs an action just before the statement layer sends a statement holding a given text: the
// layer traces every statement it sends (category "hotel.db"), and the hook watches that
// trace. One hook at a time; it fires once.
//
//   StatementHook hook("INSERT INTO tbl_Rooms", [] { ::raise(SIGKILL); });   // dies right there
#include <QLoggingCategory>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <functional>
#include <utility>

namespace testsupport {

class StatementHook {
public:
    StatementHook(QString text, std::function<void()> action) : text_(std::move(text)), action_(std::move(action))
    {
        current() = this;
        QLoggingCategory::setFilterRules(QStringLiteral("hotel.db.debug=true"));
        previous_ = qInstallMessageHandler(&StatementHook::watch);
    }
    ~StatementHook()
    {
        qInstallMessageHandler(previous_);
        QLoggingCategory::setFilterRules(QString());
        current() = nullptr;
    }
    StatementHook(const StatementHook &) = delete;
    StatementHook &operator=(const StatementHook &) = delete;

    bool fired() const { return fired_; }

private:
    static StatementHook *&current()
    {
        static StatementHook *hook = nullptr;
        return hook;
    }

    static void watch(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        StatementHook *hook = current();
        if (!hook)
            return;
        if (type == QtDebugMsg && qstrcmp(context.category, "hotel.db") == 0) {
            if (!hook->fired_ && message.contains(hook->text_)) {
                hook->fired_ = true;
                hook->action_();
            }
            return;   // the trace itself is not shown
        }
        if (hook->previous_)
            hook->previous_(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }

    QString text_;
    std::function<void()> action_;
    QtMessageHandler previous_ = nullptr;
    bool fired_ = false;
};

} // namespace testsupport
