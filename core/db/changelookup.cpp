#include "core/db/changelookup.h"

#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "core/state/appstate.h"

#include <QRegularExpression>

namespace core {

namespace {

[[noreturn]] void notOfThatShape(const QString &sql)
{
    throw vb::Error(vb::errInvalidProcedureCall, QStringLiteral("Not a statement to look up: ") + sql);
}

// The text with every character inside a quoted text, a bracketed name or parentheses masked
// (by one that is neither a blank nor a letter), so that keywords and commas are found only where
// they separate the statement.
QString outerLevel(const QString &sql)
{
    QString outer = sql;
    QChar closing;   // the end of the quoted text or bracketed name the scan is in
    int depth = 0;   // parentheses
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        bool inner = true;
        if (!closing.isNull()) {
            if (c == closing)
                closing = QChar();
        } else if (c == QLatin1Char('\'')) {
            closing = c;
        } else if (c == QLatin1Char('[')) {
            closing = QLatin1Char(']');
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')') && depth > 0) {
            --depth;
        } else {
            inner = depth > 0;
        }
        if (inner)
            outer[i] = QLatin1Char('_');
    }
    return outer;
}

} // namespace

bool RowFound(const QString &sql)
{
    const auto &conn = State().mConn;
    if (!conn)
        ado::raiseAdoError(ado::adErrInvalidConnection, ado::ConnectionSource);
    ado::Recordset rows;
    rows.Open(sql, *conn);
    return !rows.IsEOF();
}

QString UpdatedRowSql(const QString &updateSql)
{
    static const QRegularExpression shape(QStringLiteral(R"(^\s*UPDATE\s+(\S+)\s+SET\s+(.*?)\s+WHERE\s+(.*)$)"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const QString outer = outerLevel(updateSql);
    const QRegularExpressionMatch match = shape.match(outer);
    if (!match.hasMatch())
        notOfThatShape(updateSql);
    const auto part = [&](int group) { return updateSql.mid(match.capturedStart(group), match.capturedLength(group)); };
    QString lookup = QStringLiteral("SELECT * FROM ") + part(1) + QStringLiteral(" WHERE (") + part(3).trimmed() + u')';
    // The assignments, split at the commas between them (a quoted ',' is no separator).
    qsizetype from = match.capturedStart(2);
    const qsizetype end = match.capturedEnd(2);
    while (from < end) {
        qsizetype comma = outer.indexOf(QLatin1Char(','), from);
        if (comma < 0 || comma > end)
            comma = end;
        lookup += QStringLiteral(" AND ") + updateSql.mid(from, comma - from).trimmed();
        from = comma + 1;
    }
    return lookup;
}

QString DeletedRowsSql(const QString &deleteSql)
{
    static const QRegularExpression shape(QStringLiteral(R"(^\s*DELETE\s+FROM\s+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(deleteSql);
    if (!match.hasMatch())
        notOfThatShape(deleteSql);
    return QStringLiteral("SELECT * FROM ") + deleteSql.mid(match.capturedEnd());
}

} // namespace core
