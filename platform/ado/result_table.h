#pragma once
// A query's whole result in memory: the column names and one compact cell per value, typed already,
// so that reading a field is a lookup and a cheap Variant.
#include "vb/variant.h"

#include <QStringList>
#include <cstdint>
#include <vector>

namespace ado {

class ResultTable {
public:
    explicit ResultTable(QStringList columnNames);

    int columnCount() const { return static_cast<int>(names_.size()); }
    int rowCount() const { return columnCount() == 0 ? 0 : static_cast<int>(cells_.size() / names_.size()); }
    const QString &columnName(int column) const { return names_[column]; }
    // The first column of that name, without regard to case; -1 when there is none.
    int columnIndex(QStringView name) const;

    vb::Variant value(int row, int column) const;

    // Filling: values row by row, each row column by column.
    void reserveRows(int rows) { cells_.reserve(static_cast<size_t>(rows) * names_.size()); }
    void appendNull() { cells_.push_back({Cell::Null, {0}}); }
    void appendBoolean(bool value) { cells_.push_back({Cell::Boolean, {value ? 1 : 0}}); }
    void appendInteger(int16_t value) { cells_.push_back({Cell::Integer, {value}}); }
    void appendLong(int32_t value) { cells_.push_back({Cell::Long, {value}}); }
    void appendDouble(double value);
    void appendCurrency(vb::Currency value) { cells_.push_back({Cell::Currency, {value.raw()}}); }
    void appendDate(vb::Date value);
    void appendString(QString value);

private:
    struct Cell {
        enum Type : uint8_t { Null, Boolean, Integer, Long, Double, Currency, Date, String } type;
        union {
            int64_t integer;   // Boolean, Integer, Long, Currency (raw); String: index into strings_
            double real;       // Double, Date (serial)
        };
    };

    QStringList names_;
    std::vector<Cell> cells_;
    std::vector<QString> strings_;
};

} // namespace ado
