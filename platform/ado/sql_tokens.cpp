#include "ado/sql_tokens.h"

namespace ado::detail {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_' || c == u'$' || c == u'@';
}

bool isWordChar(QChar c)
{
    return isWordStart(c) || c.isDigit();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class Scanner {
public:
    explicit Scanner(const QString &sql) : sql_(sql) {}

    std::vector<SqlToken> run()
    {
        while (pos_ < sql_.size())
            tokens_.push_back(next());
        return std::move(tokens_);
    }

private:
    SqlToken next()
    {
        const QChar c = sql_[pos_];
        if (c.isSpace())
            return span(SqlToken::Space, [](QChar ch) { return ch.isSpace(); });
        if (isDigit(c) || (c == u'.' && pos_ + 1 < sql_.size() && isDigit(sql_[pos_ + 1])))
            return number();
        if (isWordStart(c))
            return span(SqlToken::Word, isWordChar);
        switch (c.unicode()) {
        case u'\'':
            return quoted(SqlToken::String, u'\'', true, "Syntax error in string in query expression.");
        case u'"':
            return quoted(SqlToken::DString, u'"', true, "Syntax error in string in query expression.");
        case u'[':
            return quoted(SqlToken::Bracket, u']', false, "Invalid bracketing of name.");
        case u'`':
            return quoted(SqlToken::Backtick, u'`', true, "Invalid bracketing of name.");
        case u'#':
            return quoted(SqlToken::DateLiteral, u'#', false, "Syntax error in date in query expression.");
        case 0:
            throw SqlSyntaxError{QStringLiteral("Invalid character in query expression.")};
        default:
            ++pos_;
            return {SqlToken::Punct, QString(c)};
        }
    }

    template <typename Pred>
    SqlToken span(SqlToken::Kind kind, Pred belongs)
    {
        const qsizetype start = pos_;
        while (pos_ < sql_.size() && belongs(sql_[pos_]))
            ++pos_;
        return {kind, sql_.mid(start, pos_ - start)};
    }

    SqlToken number()
    {
        const qsizetype start = pos_;
        while (pos_ < sql_.size() && (isDigit(sql_[pos_]) || sql_[pos_] == u'.'))
            ++pos_;
        if (pos_ < sql_.size() && (sql_[pos_] == u'e' || sql_[pos_] == u'E')) {
            qsizetype p = pos_ + 1;
            if (p < sql_.size() && (sql_[p] == u'+' || sql_[p] == u'-'))
                ++p;
            if (p < sql_.size() && isDigit(sql_[p])) {
                pos_ = p;
                while (pos_ < sql_.size() && isDigit(sql_[pos_]))
                    ++pos_;
            }
        }
        return {SqlToken::Number, sql_.mid(start, pos_ - start)};
    }

    // From an opening character to its closing one; a doubled closing character stands for itself
    // when `doubling` holds.
    SqlToken quoted(SqlToken::Kind kind, QChar close, bool doubling, const char *error)
    {
        QString value;
        ++pos_;
        while (pos_ < sql_.size()) {
            const QChar c = sql_[pos_++];
            if (c == u'\0')
                throw SqlSyntaxError{QStringLiteral("Invalid character in query expression.")};
            if (c != close) {
                value += c;
                continue;
            }
            if (doubling && pos_ < sql_.size() && sql_[pos_] == close) {
                value += c;
                ++pos_;
                continue;
            }
            return {kind, value};
        }
        throw SqlSyntaxError{QString::fromLatin1(error)};
    }

    const QString &sql_;
    qsizetype pos_ = 0;
    std::vector<SqlToken> tokens_;
};

} // namespace

std::vector<SqlToken> tokenizeAccessSql(const QString &sql)
{
    return Scanner(sql).run();
}

} // namespace ado::detail
