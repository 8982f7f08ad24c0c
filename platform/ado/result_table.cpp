#include "ado/result_table.h"

namespace ado {

ResultTable::ResultTable(QStringList columnNames) : names_(std::move(columnNames)) {}

int ResultTable::columnIndex(QStringView name) const
{
    for (int i = 0; i < names_.size(); ++i) {
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

vb::Variant ResultTable::value(int row, int column) const
{
    const Cell &cell = cells_[static_cast<size_t>(row) * names_.size() + static_cast<size_t>(column)];
    switch (cell.type) {
    case Cell::Null:
        return vb::Null;
    case Cell::Boolean:
        return cell.integer != 0;
    case Cell::Integer:
        return static_cast<int16_t>(cell.integer);
    case Cell::Long:
        return static_cast<int32_t>(cell.integer);
    case Cell::Double:
        return cell.real;
    case Cell::Currency:
        return vb::Currency::fromRaw(cell.integer);
    case Cell::Date:
        return vb::Date(cell.real);
    case Cell::String:
        return strings_[static_cast<size_t>(cell.integer)];
    }
    return {};
}

void ResultTable::appendDouble(double value)
{
    Cell cell{Cell::Double, {0}};
    cell.real = value;
    cells_.push_back(cell);
}

void ResultTable::appendDate(vb::Date value)
{
    Cell cell{Cell::Date, {0}};
    cell.real = value.serial();
    cells_.push_back(cell);
}

void ResultTable::appendString(QString value)
{
    cells_.push_back({Cell::String, {static_cast<int64_t>(strings_.size())}});
    strings_.push_back(std::move(value));
}

} // namespace ado
