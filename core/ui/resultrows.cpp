#include "core/ui/resultrows.h"

#include "ado/errors.h"
#include "ado/result_table.h"

#include <numeric>

namespace core {

ResultRows::ResultRows(std::shared_ptr<const ado::ResultTable> table, const std::vector<Column> &columns)
    : table_(std::move(table)), shown_(static_cast<size_t>(table_->rowCount()))
{
    for (const Column &column : columns) {
        const int field = table_->columnIndex(column.field);
        if (field < 0)
            ado::raiseAdoError(ado::adErrItemNotFound, ado::RecordsetSource);
        columns_.push_back({field, column.text});
    }
    std::iota(shown_.begin(), shown_.end(), 0);
}

void ResultRows::keepRowsWithText(int field)
{
    std::erase_if(shown_, [&](int row) { return table_->isBlank(row, field); });
}

void ResultRows::dropFrom(qsizetype row)
{
    if (row < rows())
        shown_.resize(static_cast<size_t>(row));
}

vb::Variant ResultRows::value(qsizetype row, int column) const
{
    return table_->value(shown_[static_cast<size_t>(row)], columns_[static_cast<size_t>(column)].field);
}

QString ResultRows::text(qsizetype row, int column) const
{
    if (column < 0 || column >= static_cast<int>(columns_.size()))
        return {};
    return columns_[static_cast<size_t>(column)].text(value(row, column));
}

int ResultRows::smallIcon(qsizetype row) const
{
    return icon_ && !columns_.empty() ? icon_(text(row, 0)) : 0;
}

} // namespace core
