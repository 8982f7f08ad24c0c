#pragma once
// A query's whole result in memory: the column names and one compact cell per value, typed already,
// so that reading a field is a lookup and a cheap Variant. Cells and texts live in fixed blocks that
// never move, so a large result is filled without copying what is stored already.
#include "vb/variant.h"

#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace ado {

class ResultTable {
public:
    explicit ResultTable(QStringList columnNames);

    int columnCount() const { return static_cast<int>(names_.size()); }
    int rowCount() const { return columnCount() == 0 ? 0 : static_cast<int>(cellCount_ / names_.size()); }
    const QString &columnName(int column) const { return names_[column]; }
    // The first column of that name, without regard to case; -1 when there is none.
    int columnIndex(QStringView name) const;

    vb::Variant value(int row, int column) const;
    // Null or an empty text: what shows as an empty text, told without making the text.
    bool isBlank(int row, int column) const;

    // Filling: values row by row, each row column by column.
    void appendNull() { newCell(Cell::Null); }
    void appendBoolean(bool value) { newCell(Cell::Boolean).integer = value ? 1 : 0; }
    void appendInteger(int16_t value) { newCell(Cell::Integer).integer = value; }
    void appendLong(int32_t value) { newCell(Cell::Long).integer = value; }
    void appendDouble(double value) { newCell(Cell::Double).real = value; }
    void appendCurrency(vb::Currency value) { newCell(Cell::Currency).integer = value.raw(); }
    void appendDate(vb::Date value) { newCell(Cell::Date).real = value.serial(); }
    void appendString(const QString &value);
    void appendUtf8(const char *text, int length);

private:
    // Texts are kept as UTF-8 and become QStrings only when read: no allocation per stored text.
    struct Cell {
        enum Type : uint8_t { Null, Boolean, Integer, Long, Double, Currency, Date, String } type;
        int32_t length;        // String: bytes
        union {
            int64_t integer;   // Boolean, Integer, Long, Currency (raw)
            double real;       // Double, Date (serial)
            const char *text;  // String, in one of textBlocks_
        };
    };
    static constexpr size_t CellsPerBlock = 4096;
    static constexpr size_t TextBlockSize = 256 * 1024;

    Cell &newCell(Cell::Type type);
    const Cell &cell(size_t index) const { return cellBlocks_[index / CellsPerBlock][index % CellsPerBlock]; }

    QStringList names_;
    std::vector<std::unique_ptr<Cell[]>> cellBlocks_;
    size_t cellCount_ = 0;
    std::vector<std::unique_ptr<char[]>> textBlocks_;
    size_t textFree_ = 0;   // bytes left in the last text block
};

} // namespace ado
