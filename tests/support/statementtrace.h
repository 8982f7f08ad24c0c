#pragma once
// The statements the statement layer sends while an object of this kind lives, as the windows
// wrote them (its "hotel.db" trace), for tests that count what an action asks of the database.
//
//   testsupport::StatementTrace trace;
//   frm.Show(ui::vbModeless);
//   QCOMPARE(trace.count("SELECT * FROM tbl_customers"), 1);
#include <QLoggingCategory>
#include <QStringList>

namespace testsupport {

class StatementTrace {
public:
    StatementTrace()
    {
        current() = this;
        QLoggingCategory::setFilterRules(QStringLiteral("hotel.db.debug=true"));
        previous_ = qInstallMessageHandler(record);
    }
    ~StatementTrace()
    {
        qInstallMessageHandler(previous_);
        QLoggingCategory::setFilterRules(QString());
        current() = nullptr;
    }
    StatementTrace(const StatementTrace &) = delete;
    StatementTrace &operator=(const StatementTrace &) = delete;

    const QStringList &statements() const { return statements_; }
    // How many statements were `text` (without regard to case).
    int count(const QString &text) const
    {
        int n = 0;
        for (const QString &statement : statements_)
            n += statement.compare(text, Qt::CaseInsensitive) == 0 ? 1 : 0;
        return n;
    }

private:
    static StatementTrace *&current()
    {
        static StatementTrace *trace = nullptr;
        return trace;
    }
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtDebugMsg && qstrcmp(context.category, "hotel.db") == 0 && current()) {
            current()->statements_ << message;
            return;
        }
        if (current() && current()->previous_)
            current()->previous_(type, context, message);
    }

    QStringList statements_;
    QtMessageHandler previous_ = nullptr;
};

} // namespace testsupport
