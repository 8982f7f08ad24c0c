// CREATE TABLE in the Access dialect, column by column: the type names of Jet become the engine's, and
// for SQLite (which stores any value in any column) a CHECK constraint in the column's definition
// refuses values of the wrong type. No triggers: SQLite parses every trigger of the file at each open
// and after every schema change, and tables made at run time would multiply that cost.
#include "ado/sql_emit.h"

namespace ado::detail {

namespace {

enum class ValueCheck { None, Number, Date };

struct ColumnType {
    QString sqlite;
    QString mariadb;
    ValueCheck check = ValueCheck::None;
    bool text = false;            // compares without regard to case
    bool autoIncrement = false;
};

[[noreturn]] void fieldDefinitionError()
{
    throw SqlSyntaxError{QStringLiteral("Syntax error in field definition.")};
}

[[noreturn]] void createTableError()
{
    throw SqlSyntaxError{QStringLiteral("Syntax error in CREATE TABLE statement.")};
}

bool oneOf(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names) {
        if (name == QLatin1String(candidate))
            return true;
    }
    return false;
}

// `name` in upper case; `args` the size in parentheses as written ("(50)") or empty.
ColumnType mapType(const QString &name, const QString &args)
{
    auto both = [](const QString &type, ValueCheck check) { return ColumnType{type, type, check}; };
    if (oneOf(name, {"AUTOINCREMENT", "COUNTER", "IDENTITY"}))
        return ColumnType{QStringLiteral("INTEGER"), QStringLiteral("INT"), ValueCheck::None, false, true};
    // TEXT without a size is a memo in Jet's ANSI-92 mode, as through OLE DB.
    if (oneOf(name, {"MEMO", "LONGTEXT", "LONGCHAR", "NOTE", "NTEXT"}) || (name == u"TEXT" && args.isEmpty()))
        return ColumnType{QStringLiteral("TEXT"), QStringLiteral("LONGTEXT"), ValueCheck::None, true};
    const QString size = args.isEmpty() ? QStringLiteral("(255)") : args;
    if (oneOf(name, {"TEXT", "VARCHAR", "NVARCHAR", "STRING", "ALPHANUMERIC"})) {
        ColumnType type = both(QStringLiteral("VARCHAR") + size, ValueCheck::None);
        type.text = true;
        return type;
    }
    if (oneOf(name, {"CHAR", "CHARACTER", "NCHAR"})) {
        ColumnType type = both(QStringLiteral("CHAR") + size, ValueCheck::None);
        type.text = true;
        return type;
    }
    if (oneOf(name, {"INT", "INTEGER", "LONG", "INTEGER4", "INT4"}))
        return ColumnType{QStringLiteral("INTEGER"), QStringLiteral("INT"), ValueCheck::Number};
    if (oneOf(name, {"SMALLINT", "SHORT", "INTEGER2", "INT2"}))
        return both(QStringLiteral("SMALLINT"), ValueCheck::Number);
    if (oneOf(name, {"BYTE", "TINYINT", "INTEGER1"}))
        return ColumnType{QStringLiteral("TINYINT"), QStringLiteral("TINYINT UNSIGNED"), ValueCheck::Number};
    if (oneOf(name, {"DOUBLE", "FLOAT", "FLOAT8", "NUMBER", "REAL", "SINGLE", "FLOAT4", "IEEEDOUBLE", "IEEESINGLE"}))
        return both(QStringLiteral("DOUBLE"), ValueCheck::Number);
    if (oneOf(name, {"CURRENCY", "MONEY"}))
        return ColumnType{QStringLiteral("CURRENCY"), QStringLiteral("DECIMAL(19,4)"), ValueCheck::Number};
    if (oneOf(name, {"DECIMAL", "NUMERIC", "DEC"}))
        return both(QStringLiteral("DECIMAL") + (args.isEmpty() ? QStringLiteral("(18,0)") : args), ValueCheck::Number);
    if (oneOf(name, {"DATETIME", "DATE", "TIME", "TIMESTAMP"}))
        return both(QStringLiteral("DATETIME"), ValueCheck::Date);
    return both(name + args, ValueCheck::None);
}

bool isName(const SqlToken &token)
{
    return token.kind == SqlToken::Word || token.kind == SqlToken::Bracket || token.kind == SqlToken::Backtick ||
           token.kind == SqlToken::DString;
}

QString emitted(TokenIter begin, TokenIter end, SqlDialect dialect)
{
    QString out;
    emitTokens(begin, end, dialect, true, out);
    return out;
}

QString nameIn(const SqlToken &token, SqlDialect dialect)
{
    return token.kind == SqlToken::Word ? token.text : quoteName(token.text, dialect);
}

// The constraints after the type, without PRIMARY KEY (an auto-numbered key states its own).
std::vector<SqlToken> withoutPrimaryKey(TokenIter begin, TokenIter end)
{
    std::vector<SqlToken> kept;
    for (TokenIter it = begin; it != end; ++it) {
        if (it->isWord("PRIMARY")) {
            TokenIter key = skipSpace(it + 1, end);
            if (key != end && key->isWord("KEY")) {
                it = key;
                continue;
            }
        }
        kept.push_back(*it);
    }
    return kept;
}

class TableTranslator {
public:
    explicit TableTranslator(SqlDialect dialect) : dialect_(dialect) {}

    QStringList translate(const std::vector<SqlToken> &tokens)
    {
        const TokenIter end = tokens.cend();
        const TokenIter create = skipSpace(tokens.cbegin(), end);
        const TokenIter table = skipSpace(create + 1, end);
        const TokenIter name = skipSpace(table + 1, end);
        if (name == end || !isName(*name))
            createTableError();
        const TokenIter open = skipSpace(name + 1, end);
        if (open == end || !open->isPunct(u'('))
            createTableError();
        const TokenIter close = matchingParenthesis(open, end);
        if (close == end || skipSpace(close + 1, end) != end)
            createTableError();

        QStringList definitions;
        TokenIter start = open + 1;
        int depth = 0;
        for (TokenIter it = open + 1; it != close; ++it) {
            if (it->isPunct(u'('))
                ++depth;
            else if (it->isPunct(u')'))
                --depth;
            else if (depth == 0 && it->isPunct(u',')) {
                definitions << definition(start, it);
                start = it + 1;
            }
        }
        definitions << definition(start, close);

        QString statement = QStringLiteral("CREATE TABLE ") + nameIn(*name, dialect_) + QStringLiteral(" (") +
                            definitions.join(QStringLiteral(", ")) + u')';
        if (dialect_ == SqlDialect::MariaDB)
            statement += QStringLiteral(" DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci");
        return {statement};
    }

private:
    QString definition(TokenIter begin, TokenIter end)
    {
        const TokenIter first = skipSpace(begin, end);
        if (first == end)
            fieldDefinitionError();
        if (first->kind == SqlToken::Word) {
            for (const char *keyword : {"CONSTRAINT", "PRIMARY", "UNIQUE", "FOREIGN", "CHECK", "KEY", "INDEX"}) {
                if (first->isWord(keyword))
                    return emitted(first, end, dialect_).trimmed();
            }
        }
        if (!isName(*first))
            fieldDefinitionError();
        const TokenIter typeWord = skipSpace(first + 1, end);
        if (typeWord == end || typeWord->kind != SqlToken::Word)
            fieldDefinitionError();

        QString args;
        TokenIter rest = typeWord + 1;
        const TokenIter open = skipSpace(rest, end);
        if (open != end && open->isPunct(u'(')) {
            const TokenIter close = matchingParenthesis(open, end);
            if (close == end)
                fieldDefinitionError();
            for (TokenIter it = open; it != close + 1; ++it) {
                if (it->kind != SqlToken::Space)
                    args += it->text;
            }
            rest = close + 1;
        }

        const ColumnType type = mapType(typeWord->text.toUpper(), args);
        const QString column = nameIn(*first, dialect_);
        if (type.autoIncrement) {
            const std::vector<SqlToken> constraints = withoutPrimaryKey(rest, end);
            const QString key = dialect_ == SqlDialect::SQLite ? QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT")
                                                               : QStringLiteral(" INT AUTO_INCREMENT PRIMARY KEY");
            return (column + key + emitted(constraints.cbegin(), constraints.cend(), dialect_)).trimmed();
        }
        QString out = column + u' ' + (dialect_ == SqlDialect::SQLite ? type.sqlite : type.mariadb);
        if (dialect_ == SqlDialect::SQLite && type.text)
            out += QStringLiteral(" COLLATE NOCASE");
        out += emitted(rest, end, dialect_);
        if (dialect_ == SqlDialect::SQLite && type.check == ValueCheck::Number)
            out += u' ' + numberTypeCheck(first->text);
        else if (dialect_ == SqlDialect::SQLite && type.check == ValueCheck::Date)
            out += u' ' + dateTypeCheck(first->text);
        return out.trimmed();
    }

    SqlDialect dialect_;
};

// The constraint's name tells the engine's error mapping that a type check failed.
QString typeCheck(const QString &column, const QString &condition)
{
    return QStringLiteral("CONSTRAINT ") + quoteName(TypeCheckPrefix + column, SqlDialect::SQLite) +
           QStringLiteral(" CHECK (") + condition + u')';
}

} // namespace

// SQLite checks a value before the column's numeric affinity turns a text such as '12' into a
// number; CAST(v AS NUMERIC) = +v holds exactly for the values that affinity stores as numbers
// (and for NULL, which a CHECK lets pass), so the check refuses what Jet would refuse.
QString numberTypeCheck(const QString &column)
{
    const QString value = quoteName(column, SqlDialect::SQLite);
    return typeCheck(column, QStringLiteral("CAST(%1 AS NUMERIC) = +%1").arg(value));
}

// Dates are stored as ISO text or as serial numbers.
QString dateTypeCheck(const QString &column)
{
    const QString value = quoteName(column, SqlDialect::SQLite);
    return typeCheck(column, QStringLiteral("NOT (typeof(%1) = 'blob' OR (typeof(%1) = 'text' AND %1 NOT GLOB "
                                            "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*' AND "
                                            "CAST(%1 AS NUMERIC) <> +%1))")
                                 .arg(value));
}

QStringList translateCreateTable(const std::vector<SqlToken> &tokens, SqlDialect dialect)
{
    return TableTranslator(dialect).translate(tokens);
}

} // namespace ado::detail
