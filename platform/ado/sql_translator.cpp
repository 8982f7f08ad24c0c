#include "ado/sql_translator.h"

#include "ado/jet_date.h"
#include "ado/sql_emit.h"
#include "ado/statement_hooks.h"
#include "ado/tracing.h"

namespace ado {

namespace detail {

TokenIter skipSpace(TokenIter it, TokenIter end)
{
    while (it != end && it->kind == SqlToken::Space)
        ++it;
    return it;
}

TokenIter matchingParenthesis(TokenIter open, TokenIter end)
{
    int depth = 0;
    for (TokenIter it = open; it != end; ++it) {
        if (it->isPunct(u'('))
            ++depth;
        else if (it->isPunct(u')') && --depth == 0)
            return it;
    }
    return end;
}

namespace {

// Now() and Date() in the engine's words; empty when the word is no such call. `last` is set to the
// closing parenthesis.
QString currentDateCall(TokenIter word, TokenIter end, SqlDialect dialect, TokenIter &last)
{
    const bool now = word->isWord("Now");
    if (!now && !word->isWord("Date"))
        return {};
    TokenIter open = skipSpace(word + 1, end);
    if (open == end || !open->isPunct(u'('))
        return {};
    TokenIter close = skipSpace(open + 1, end);
    if (close == end || !close->isPunct(u')'))
        return {};
    last = close;
    if (dialect == SqlDialect::SQLite)
        return now ? QStringLiteral("datetime('now','localtime')") : QStringLiteral("date('now','localtime')");
    return now ? QStringLiteral("NOW()") : QStringLiteral("CURDATE()");
}

QString dateLiteral(const QString &text)
{
    const auto parts = parseJetDateLiteral(text);
    if (!parts)
        throw SqlSyntaxError{QStringLiteral("Syntax error in date in query expression '#%1#'.").arg(text)};
    return quoteText(isoDateText(*parts));
}

// Jet runs one statement: a ';' may end it, but nothing may follow.
void cutAtStatementEnd(std::vector<SqlToken> &tokens)
{
    for (auto it = tokens.begin(); it != tokens.end(); ++it) {
        if (!it->isPunct(u';'))
            continue;
        if (skipSpace(it + 1, tokens.end()) != tokens.end())
            throw SqlSyntaxError{QStringLiteral("Characters found after end of SQL statement.")};
        tokens.erase(it, tokens.end());
        return;
    }
}

// Only the statements of the Access dialect; engine-specific commands (PRAGMA, ATTACH, ...) never run.
void checkStatementKind(const std::vector<SqlToken> &tokens)
{
    const TokenIter first = skipSpace(tokens.begin(), tokens.end());
    if (first != tokens.end()) {
        for (const char *keyword : {"SELECT", "INSERT", "UPDATE", "DELETE", "CREATE", "DROP", "ALTER"}) {
            if (first->isWord(keyword))
                return;
        }
        if (first->isPunct(u'('))
            return;
    }
    throw SqlSyntaxError{QStringLiteral(
        "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'.")};
}

bool isCreateTable(const std::vector<SqlToken> &tokens)
{
    const TokenIter create = skipSpace(tokens.begin(), tokens.end());
    if (create == tokens.end() || !create->isWord("CREATE"))
        return false;
    const TokenIter table = skipSpace(create + 1, tokens.end());
    return table != tokens.end() && table->isWord("TABLE");
}

} // namespace

QString quoteText(const QString &value)
{
    QString quoted = value;
    quoted.replace(u'\'', QLatin1String("''"));
    return u'\'' + quoted + u'\'';
}

QString quoteName(const QString &name, SqlDialect dialect)
{
    const QChar quote = dialect == SqlDialect::SQLite ? u'"' : u'`';
    QString quoted = name;
    quoted.replace(quote, QString(2, quote));
    return quote + quoted + quote;
}

void emitTokens(TokenIter begin, TokenIter end, SqlDialect dialect, bool inDefinition, QString &out)
{
    for (TokenIter it = begin; it != end; ++it) {
        switch (it->kind) {
        case SqlToken::Space:
        case SqlToken::Number:
            out += it->text;
            break;
        case SqlToken::Word: {
            TokenIter last = it;
            const QString call = currentDateCall(it, end, dialect, last);
            if (call.isEmpty()) {
                out += it->text;
            } else {
                out += inDefinition ? u'(' + call + u')' : call;
                it = last;
            }
            break;
        }
        case SqlToken::String:
        case SqlToken::DString:
            out += quoteText(it->text);
            break;
        case SqlToken::Bracket:
        case SqlToken::Backtick:
            out += quoteName(it->text, dialect);
            break;
        case SqlToken::DateLiteral:
            out += dateLiteral(it->text);
            break;
        case SqlToken::Punct:
            // "x - -5" must not become a comment in the engine's dialect.
            if (it->text == u'-' && out.endsWith(u'-'))
                out += u' ';
            out += it->text;
            break;
        }
    }
}

} // namespace detail

Q_LOGGING_CATEGORY(lcSql, "hotel.sql", QtWarningMsg)

namespace {

std::vector<EngineStatement> planned(const QString &sql, SqlDialect dialect)
{
    std::vector<detail::SqlToken> tokens = detail::tokenizeAccessSql(sql);
    detail::cutAtStatementEnd(tokens);
    detail::checkStatementKind(tokens);
    if (const StatementHooks *hooks = InstalledStatementHooks()) {
        std::vector<EngineStatement> plan = hooks->plan(tokens, dialect);
        if (!plan.empty())
            return plan;
    }
    std::vector<EngineStatement> plan;
    if (detail::isCreateTable(tokens)) {
        for (const QString &statement : detail::translateCreateTable(tokens, dialect))
            plan.push_back({statement});
        return plan;
    }
    QString out;
    detail::emitTokens(tokens.cbegin(), tokens.cend(), dialect, false, out);
    plan.push_back({out.trimmed()});
    return plan;
}

} // namespace

std::vector<EngineStatement> planAccessSql(const QString &sql, SqlDialect dialect)
{
    std::vector<EngineStatement> plan = planned(sql, dialect);
    for (const EngineStatement &statement : plan)
        qCDebug(lcSql).noquote() << (dialect == SqlDialect::MariaDB ? "mariadb:" : "sqlite:") << statement.sql;
    return plan;
}

QStringList translateAccessSql(const QString &sql, SqlDialect dialect)
{
    QStringList statements;
    for (const EngineStatement &statement : planAccessSql(sql, dialect))
        statements << statement.sql;
    return statements;
}

} // namespace ado
