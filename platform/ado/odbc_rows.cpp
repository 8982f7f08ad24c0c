#include "ado/odbc_rows.h"

#include "ado/column_kind.h"
#include "ado/value_text.h"

#include <sqlext.h>

#include <QByteArray>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace ado {

namespace {

ColumnKind kindOfSqlType(SQLSMALLINT type, SQLSMALLINT decimals)
{
    switch (type) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_LONGVARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_WLONGVARCHAR:
        return ColumnKind::String;
    case SQL_INTEGER:
        return ColumnKind::Long;
    case SQL_SMALLINT:
    case SQL_TINYINT:
        return ColumnKind::Integer;
    case SQL_BIGINT:
        return ColumnKind::Dynamic;
    case SQL_BIT:
        return ColumnKind::Boolean;
    case SQL_DOUBLE:
    case SQL_FLOAT:
    case SQL_REAL:
        return ColumnKind::Double;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        // Currency columns and their sums have four places; whole sums and finer decimals are numbers.
        return decimals == 0 ? ColumnKind::Dynamic : decimals <= 4 ? ColumnKind::Currency : ColumnKind::Double;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATETIME:
    case SQL_TIMESTAMP:
        return ColumnKind::Date;
    default:
        return ColumnKind::String;
    }
}

// Texts come as the connection's UTF-8 bytes, up to four a character; a memo's buffer holds
// what most memos need, and a longer value is read whole on its own.
constexpr SQLULEN MaxBoundTextBytes = 1024;
// Decimals and big integers come as text, so that no amount passes through a double.
constexpr SQLLEN NumberTextBytes = 80;
// The bound buffers of one block take about this much; a block holds between these rows.
constexpr size_t BlockBytes = 4u << 20;
constexpr size_t MinBlockRows = 16, MaxBlockRows = 1024;

// One column's values for a block of rows, bound column-wise.
struct BoundColumn {
    SQLUSMALLINT number = 0;
    ColumnKind kind = ColumnKind::String;
    SQLSMALLINT cType = SQL_C_CHAR;
    SQLLEN width = 0;   // bytes a row
    std::unique_ptr<char[]> values;
    std::unique_ptr<SQLLEN[]> lengths;

    const char *value(size_t row) const { return values.get() + row * static_cast<size_t>(width); }
};

BoundColumn boundColumn(SQLUSMALLINT number, ColumnKind kind, SQLULEN characters)
{
    BoundColumn column;
    column.number = number;
    column.kind = kind;
    switch (kind) {
    case ColumnKind::String:
        column.cType = SQL_C_CHAR;
        column.width = static_cast<SQLLEN>(
            characters == 0 || characters > MaxBoundTextBytes / 4 ? MaxBoundTextBytes : characters * 4 + 1);
        break;
    case ColumnKind::Long:
    case ColumnKind::Integer:
    case ColumnKind::Boolean:
        column.cType = SQL_C_SBIGINT;
        column.width = sizeof(SQLBIGINT);
        break;
    case ColumnKind::Double:
        column.cType = SQL_C_DOUBLE;
        column.width = sizeof(double);
        break;
    case ColumnKind::Currency:
    case ColumnKind::Dynamic:
        column.cType = SQL_C_CHAR;
        column.width = NumberTextBytes;
        break;
    case ColumnKind::Date:
        column.cType = SQL_C_TYPE_TIMESTAMP;
        column.width = sizeof(SQL_TIMESTAMP_STRUCT);
        break;
    }
    return column;
}

class BlockReader {
public:
    BlockReader(const StatementHandle &stmt, std::vector<BoundColumn> columns, ResultTable &table)
        : stmt_(stmt), columns_(std::move(columns)), table_(table)
    {
    }

    void readAll()
    {
        bind();
        for (;;) {
            // After a cell was read on its own the cursor stands elsewhere: the block is asked for by its place.
            const SQLRETURN rc = repositioned_ ? SQLFetchScroll(stmt_.get(), SQL_FETCH_ABSOLUTE, blockStart_)
                                               : SQLFetch(stmt_.get());
            repositioned_ = false;
            if (rc == SQL_NO_DATA)
                return;
            stmt_.check(rc);
            const size_t fetched = fetched_;
            for (size_t row = 0; row < fetched; ++row) {
                if (statuses_[row] == SQL_ROW_ERROR)
                    stmt_.fail();
                for (const BoundColumn &column : columns_)
                    cell(column, row);
            }
            blockStart_ += static_cast<SQLLEN>(fetched);
        }
    }

private:
    void bind()
    {
        size_t rowBytes = 0;
        for (const BoundColumn &column : columns_)
            rowBytes += static_cast<size_t>(column.width) + sizeof(SQLLEN);
        rows_ = std::clamp(BlockBytes / std::max<size_t>(rowBytes, 1), MinBlockRows, MaxBlockRows);
        statuses_.resize(rows_);
        const SQLHSTMT stmt = stmt_.get();
        stmt_.check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_BIND_TYPE, reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0));
        stmt_.check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(rows_), 0));
        stmt_.check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_STATUS_PTR, statuses_.data(), 0));
        stmt_.check(SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &fetched_, 0));
        for (BoundColumn &column : columns_) {
            column.values = std::make_unique_for_overwrite<char[]>(rows_ * static_cast<size_t>(column.width));
            column.lengths = std::make_unique_for_overwrite<SQLLEN[]>(rows_);
            stmt_.check(SQLBindCol(stmt, column.number, column.cType, column.values.get(), column.width,
                                   column.lengths.get()));
        }
    }

    void cell(const BoundColumn &column, size_t row)
    {
        const SQLLEN length = column.lengths[row];
        if (length == SQL_NULL_DATA) {
            table_.appendNull();
            return;
        }
        const char *value = column.value(row);
        switch (column.kind) {
        case ColumnKind::String:
            if (truncated(column, length)) {
                const QByteArray text = wholeText(column, row);
                table_.appendUtf8(text.constData(), static_cast<int>(text.size()));
            } else {
                table_.appendUtf8(value, static_cast<int>(length));
            }
            return;
        case ColumnKind::Long:
        case ColumnKind::Integer:
        case ColumnKind::Boolean: {
            SQLBIGINT whole = 0;
            std::memcpy(&whole, value, sizeof whole);
            appendWhole(whole, column.kind);
            return;
        }
        case ColumnKind::Double: {
            double real = 0;
            std::memcpy(&real, value, sizeof real);
            table_.appendDouble(real);
            return;
        }
        case ColumnKind::Currency:
        case ColumnKind::Dynamic:
            if (truncated(column, length))
                appendNumber(wholeText(column, row), column.kind);
            else
                appendNumber(QByteArray(value, static_cast<qsizetype>(length)), column.kind);
            return;
        case ColumnKind::Date: {
            SQL_TIMESTAMP_STRUCT date;
            std::memcpy(&date, value, sizeof date);
            appendDate(date);
            return;
        }
        }
    }

    // A text whose whole length the bound buffer (with its closing NUL) does not hold.
    static bool truncated(const BoundColumn &column, SQLLEN length)
    {
        return length == SQL_NO_TOTAL || length >= column.width;
    }

    // The whole value of one cell of the block, read on its own: its row is fetched alone (into the
    // first place of the arrays, whose row was read already) and the value read in pieces.
    QByteArray wholeText(const BoundColumn &column, size_t row)
    {
        const SQLHSTMT stmt = stmt_.get();
        stmt_.check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(SQLULEN(1)), 0));
        repositioned_ = true;
        stmt_.check(SQLFetchScroll(stmt, SQL_FETCH_ABSOLUTE, blockStart_ + static_cast<SQLLEN>(row)));
        QByteArray text;
        char piece[8192];
        for (;;) {
            SQLLEN length = 0;
            const SQLRETURN rc = SQLGetData(stmt, column.number, SQL_C_CHAR, piece, sizeof piece, &length);
            if (rc == SQL_NO_DATA)
                break;
            stmt_.check(rc);
            const bool last = length != SQL_NO_TOTAL && length < static_cast<SQLLEN>(sizeof piece);
            text.append(piece, last ? static_cast<qsizetype>(length) : static_cast<qsizetype>(sizeof piece) - 1);
            if (rc == SQL_SUCCESS)
                break;
        }
        stmt_.check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(rows_), 0));
        return text;
    }

    void appendWhole(SQLBIGINT value, ColumnKind kind)
    {
        if (kind == ColumnKind::Boolean)
            table_.appendBoolean(value != 0);
        else if (kind == ColumnKind::Integer && value >= -32768 && value <= 32767)
            table_.appendInteger(static_cast<int16_t>(value));
        else if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max())
            table_.appendLong(static_cast<int32_t>(value));
        else
            table_.appendDouble(static_cast<double>(value));
    }

    void appendNumber(const QByteArray &digits, ColumnKind kind)
    {
        const auto amount = currencyFromDecimalText(digits);
        if (kind == ColumnKind::Currency && amount) {
            table_.appendCurrency(*amount);
        } else if (kind == ColumnKind::Dynamic && amount && amount->raw() % vb::Currency::Scale == 0 &&
                   amount->raw() / vb::Currency::Scale >= std::numeric_limits<int32_t>::min() &&
                   amount->raw() / vb::Currency::Scale <= std::numeric_limits<int32_t>::max()) {
            table_.appendLong(static_cast<int32_t>(amount->raw() / vb::Currency::Scale));
        } else {
            table_.appendDouble(std::strtod(digits.constData(), nullptr));
        }
    }

    void appendDate(const SQL_TIMESTAMP_STRUCT &value)
    {
        if (value.year == 0 || value.month == 0 || value.day == 0) {   // MySQL's zero date
            table_.appendNull();
            return;
        }
        table_.appendDate(dateFromParts(value.year, value.month, value.day, value.hour, value.minute, value.second));
    }

    const StatementHandle &stmt_;
    std::vector<BoundColumn> columns_;
    ResultTable &table_;
    size_t rows_ = 0;
    SQLULEN fetched_ = 0;
    SQLLEN blockStart_ = 1;   // the place of the block's first row in the result, from 1
    bool repositioned_ = false;
    std::vector<SQLUSMALLINT> statuses_;
};

} // namespace

// The driver keeps a query's whole result on the client either way; a static cursor lets a row be
// fetched again by its place.
void UseScrollableCursor(const StatementHandle &stmt)
{
    stmt.check(SQLSetStmtAttr(stmt.get(), SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_STATIC), 0));
}

std::unique_ptr<ResultTable> ReadOdbcRows(const StatementHandle &stmt, SQLSMALLINT columnCount)
{
    std::vector<BoundColumn> columns;
    QStringList names;
    for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(columnCount); ++i) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, type = 0, decimals = 0, nullable = 0;
        SQLULEN size = 0;
        stmt.check(SQLDescribeColW(stmt.get(), i, name, static_cast<SQLSMALLINT>(std::size(name)), &nameLength, &type,
                                   &size, &decimals, &nullable));
        const qsizetype chars = std::min<qsizetype>(nameLength, static_cast<qsizetype>(std::size(name)) - 1);
        names << QString::fromUtf16(reinterpret_cast<const char16_t *>(name), chars);
        columns.push_back(boundColumn(i, kindOfSqlType(type, decimals), size));
    }
    auto table = std::make_unique<ResultTable>(names);
    BlockReader(stmt, std::move(columns), *table).readAll();
    return table;
}

} // namespace ado
