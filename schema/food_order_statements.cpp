// The statements on the per-order tables tbl_FoodOrder_<id>, for the embedded file where they are rows
// of one table (schema/food_order_store.h). Each keeps its result: the rows of an order come back as
// the columns ID, FoodItem and Price in ID order, IDs count from 1 per order and are never given out
// twice, a missing table is "no such table" and a table made twice "already exists", with the
// numbers a real table gives.
#include "schema/food_order_store.h"
#include "schema/schema.h"

namespace schema::foodorders {

using namespace ado::rewrite;
using ado::EngineStatement;
using ado::SqlDialect;

namespace {

using ado::RequireFunction;
using ado::SqlSyntaxError;
using Role = EngineStatement::Role;
using Plan = std::vector<EngineStatement>;

struct OrderTable {
    QString name;   // as the statement writes it
    QString id;
};

std::optional<OrderTable> orderTableAt(TokenIter it, TokenIter end)
{
    if (it == end || (it->kind != SqlToken::Word && it->kind != SqlToken::Bracket && it->kind != SqlToken::Backtick))
        return std::nullopt;
    const std::optional<QString> id = FoodOrderIdOfTable(it->text);
    if (!id)
        return std::nullopt;
    return OrderTable{it->text, *id};
}

[[noreturn]] void unsupported()
{
    throw SqlSyntaxError{QStringLiteral("A food order's item table takes CREATE TABLE, INSERT INTO ... VALUES, "
                                        "SELECT, DELETE FROM and DROP TABLE only.")};
}

QString ofOrder(const OrderTable &table)
{
    return QStringLiteral("OrderID = ") + quoteText(table.id);
}

EngineStatement requireTable(const OrderTable &table, bool present)
{
    const QString exists = QStringLiteral("EXISTS (SELECT 1 FROM %1 WHERE %2)").arg(FoodOrderTablesTable, ofOrder(table));
    const QString failure = present ? QStringLiteral("no such table: ") + table.name
                                    : QStringLiteral("table ") + table.name + QStringLiteral(" already exists");
    return {QStringLiteral("SELECT %1(%2%3, %4)")
                .arg(RequireFunction, present ? QString() : QStringLiteral("NOT "), exists, quoteText(failure)),
            Role::Check};
}

EngineStatement upkeep(const QString &sql)
{
    return {sql, Role::Upkeep};
}

bool followsTableAsAlias(TokenIter next, TokenIter end)
{
    if (next == end)
        return false;
    if (next->kind == SqlToken::Bracket || next->kind == SqlToken::Backtick)
        return true;
    if (next->kind != SqlToken::Word)
        return false;
    for (const char *keyword : {"WHERE", "ORDER", "GROUP", "HAVING", "LEFT", "RIGHT", "INNER", "OUTER", "FULL",
                                "CROSS", "JOIN", "NATURAL", "ON", "USING", "UNION", "EXCEPT", "INTERSECT", "LIMIT"}) {
        if (next->isWord(keyword))
            return false;
    }
    return true;   // AS, or the alias itself
}

// Writes a statement, or part of one, with every per-order table it reads turned into that order's
// rows, and adds a check that each of those tables exists. Where the name of `target` qualifies a
// column ("tbl_FoodOrder_1.Price" in a DELETE's condition) it becomes the items table's name.
class OrderTableWriter {
public:
    explicit OrderTableWriter(std::optional<OrderTable> target = std::nullopt) : target_(std::move(target)) {}

    QString write(TokenIter begin, TokenIter end)
    {
        QString out;
        TokenIter from = begin;
        for (TokenIter it = begin; it != end; ++it) {
            const std::optional<OrderTable> table = orderTableAt(it, end);
            if (!table)
                continue;
            emitTokens(from, it, SqlDialect::SQLite, false, out);
            from = it + 1;
            const TokenIter next = skipSpace(it + 1, end);
            if (next != end && next->isPunct(u'.')) {
                out += target_ && target_->id == table->id ? FoodOrderItemsTable : quoteName(table->name, SqlDialect::SQLite);
                continue;
            }
            out += QStringLiteral("(SELECT ID, FoodItem, Price FROM %1 WHERE %2 ORDER BY ID)")
                       .arg(FoodOrderItemsTable, ofOrder(*table));
            if (!followsTableAsAlias(next, end))
                out += QStringLiteral(" AS ") + quoteName(table->name, SqlDialect::SQLite);
            require(*table);
        }
        emitTokens(from, end, SqlDialect::SQLite, false, out);
        return out.trimmed();
    }

    // The checks first, then `main`.
    Plan plan(EngineStatement main) const
    {
        Plan statements = checks_;
        statements.push_back(std::move(main));
        return statements;
    }

private:
    void require(const OrderTable &table)
    {
        for (const QString &id : required_) {
            if (id == table.id)
                return;
        }
        required_ << table.id;
        checks_.push_back(requireTable(table, true));
    }

    std::optional<OrderTable> target_;
    QStringList required_;
    Plan checks_;
};

// The names between the parentheses at `open`, split at the commas of that level; each is the first
// token of its part.
QList<TokenIter> firstTokensOfList(TokenIter open, TokenIter close)
{
    QList<TokenIter> firsts;
    int depth = 0;
    bool atStart = true;
    for (TokenIter it = open + 1; it != close; ++it) {
        if (it->kind == SqlToken::Space)
            continue;
        if (atStart) {
            firsts << it;
            atStart = false;
        }
        if (it->isPunct(u'('))
            ++depth;
        else if (it->isPunct(u')'))
            --depth;
        else if (depth == 0 && it->isPunct(u','))
            atStart = true;
    }
    return firsts;
}

Plan planCreate(const std::vector<SqlToken> &tokens, TokenIter name, const OrderTable &table)
{
    translateCreateTable(tokens, SqlDialect::SQLite);   // raises the errors of the definitions
    const TokenIter open = skipSpace(name + 1, tokens.cend());
    const QList<TokenIter> columns = firstTokensOfList(open, matchingParenthesis(open, tokens.cend()));
    const char *const expected[] = {"ID", "FoodItem", "Price"};
    if (columns.size() != 3)
        unsupported();
    for (int i = 0; i < 3; ++i) {
        if (columns[i]->text.compare(QLatin1String(expected[i]), Qt::CaseInsensitive) != 0)
            unsupported();
    }
    return {requireTable(table, false),
            upkeep(QStringLiteral("INSERT INTO %1 (OrderID, LastID) VALUES (%2, 0)").arg(FoodOrderTablesTable, quoteText(table.id)))};
}

Plan planDrop(const OrderTable &table)
{
    return {requireTable(table, true),
            upkeep(QStringLiteral("DELETE FROM %1 WHERE %2").arg(FoodOrderItemsTable, ofOrder(table))),
            upkeep(QStringLiteral("DELETE FROM %1 WHERE %2").arg(FoodOrderTablesTable, ofOrder(table)))};
}

// INSERT INTO t (columns) VALUES (values): the ID is the order's next one unless the statement gives it.
Plan planInsert(TokenIter name, TokenIter end, const OrderTable &table)
{
    const TokenIter open = skipSpace(name + 1, end);
    if (open == end || !open->isPunct(u'('))
        unsupported();
    const TokenIter close = matchingParenthesis(open, end);
    const TokenIter values = skipSpace(close == end ? end : close + 1, end);
    if (values == end || !values->isWord("VALUES"))
        unsupported();
    const TokenIter valuesOpen = skipSpace(values + 1, end);
    if (valuesOpen == end || !valuesOpen->isPunct(u'('))
        unsupported();
    const TokenIter valuesClose = matchingParenthesis(valuesOpen, end);
    if (valuesClose == end || skipSpace(valuesClose + 1, end) != end)
        unsupported();

    bool givesId = false;
    for (TokenIter column : firstTokensOfList(open, close))
        givesId = givesId || column->text.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0;
    QString columns;
    emitTokens(open + 1, close, SqlDialect::SQLite, false, columns);
    OrderTableWriter writer;
    const QString row = writer.write(valuesOpen + 1, valuesClose);
    const QString key = quoteText(table.id);
    const QString nextId = givesId ? QString()
                                   : QStringLiteral("(SELECT LastID + 1 FROM %1 WHERE %2), ").arg(FoodOrderTablesTable, ofOrder(table));
    Plan plan = writer.plan({QStringLiteral("INSERT INTO %1 (OrderID, %2%3) SELECT %4, %5%6")
                                 .arg(FoodOrderItemsTable, givesId ? QString() : QStringLiteral("ID, "),
                                      columns.trimmed(), key, nextId, row)});
    plan.insert(plan.begin(), requireTable(table, true));
    plan.push_back(upkeep(QStringLiteral("UPDATE %1 SET LastID = max(LastID, (SELECT max(ID) FROM %2 WHERE %3)) WHERE %3")
                              .arg(FoodOrderTablesTable, FoodOrderItemsTable, ofOrder(table))));
    return plan;
}

// DELETE FROM t [WHERE condition]
Plan planDelete(TokenIter name, TokenIter end, const OrderTable &table)
{
    const TokenIter where = skipSpace(name + 1, end);
    OrderTableWriter writer(table);
    QString sql = QStringLiteral("DELETE FROM %1 WHERE %2").arg(FoodOrderItemsTable, ofOrder(table));
    if (where != end) {
        if (!where->isWord("WHERE"))
            unsupported();
        sql += QStringLiteral(" AND (") + writer.write(where + 1, end) + u')';
    }
    Plan plan = writer.plan({sql});
    plan.insert(plan.begin(), requireTable(table, true));
    return plan;
}

bool namesOrderTable(const std::vector<SqlToken> &tokens)
{
    for (TokenIter it = tokens.cbegin(); it != tokens.cend(); ++it) {
        if (orderTableAt(it, tokens.cend()))
            return true;
    }
    return false;
}

// The token after `keyword` at `it` and the blanks after it; `end` when `it` is not that word.
TokenIter after(TokenIter it, TokenIter end, const char *keyword)
{
    return it != end && it->isWord(keyword) ? skipSpace(it + 1, end) : end;
}

} // namespace

std::vector<EngineStatement> planStatement(const std::vector<SqlToken> &tokens)
{
    if (!namesOrderTable(tokens))
        return {};
    const TokenIter end = tokens.cend();
    const TokenIter first = skipSpace(tokens.cbegin(), end);
    if (first->isWord("CREATE") || first->isWord("DROP")) {
        const TokenIter name = after(skipSpace(first + 1, end), end, "TABLE");
        const std::optional<OrderTable> table = orderTableAt(name, end);
        if (!table)
            unsupported();
        if (first->isWord("CREATE"))
            return planCreate(tokens, name, *table);
        if (skipSpace(name + 1, end) != end)
            unsupported();
        return planDrop(*table);
    }
    if (first->isWord("ALTER"))
        unsupported();
    const TokenIter insertInto = after(skipSpace(first + 1, end), end, "INTO");
    const TokenIter deleteFrom = after(skipSpace(first + 1, end), end, "FROM");
    if (first->isWord("INSERT")) {
        if (const std::optional<OrderTable> table = orderTableAt(insertInto, end))
            return planInsert(insertInto, end, *table);
    } else if (first->isWord("DELETE")) {
        if (const std::optional<OrderTable> table = orderTableAt(deleteFrom, end))
            return planDelete(deleteFrom, end, *table);
    } else if (first->isWord("UPDATE") && orderTableAt(skipSpace(first + 1, end), end)) {
        unsupported();
    }
    OrderTableWriter writer;
    const QString sql = writer.write(tokens.cbegin(), end);
    return writer.plan({sql});
}

} // namespace schema::foodorders
