#include "ado/result_table.h"

#include <cstring>

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
    const Cell &c = cell(static_cast<size_t>(row) * names_.size() + static_cast<size_t>(column));
    switch (c.type) {
    case Cell::Null:
        return vb::Null;
    case Cell::Boolean:
        return c.integer != 0;
    case Cell::Integer:
        return static_cast<int16_t>(c.integer);
    case Cell::Long:
        return static_cast<int32_t>(c.integer);
    case Cell::Double:
        return c.real;
    case Cell::Currency:
        return vb::Currency::fromRaw(c.integer);
    case Cell::Date:
        return vb::Date(c.real);
    case Cell::String:
        return QString::fromUtf8(c.text, c.length);
    }
    return {};
}

bool ResultTable::isBlank(int row, int column) const
{
    const Cell &c = cell(static_cast<size_t>(row) * names_.size() + static_cast<size_t>(column));
    return c.type == Cell::Null || (c.type == Cell::String && c.length == 0);
}

ResultTable::Cell &ResultTable::newCell(Cell::Type type)
{
    if (cellCount_ % CellsPerBlock == 0)
        cellBlocks_.push_back(std::make_unique_for_overwrite<Cell[]>(CellsPerBlock));
    Cell &c = cellBlocks_.back()[cellCount_ % CellsPerBlock];
    ++cellCount_;
    c.type = type;
    c.length = 0;
    c.integer = 0;
    return c;
}

void ResultTable::appendString(const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    appendUtf8(utf8.constData(), static_cast<int>(utf8.size()));
}

void ResultTable::appendUtf8(const char *text, int length)
{
    const size_t size = static_cast<size_t>(length);
    char *stored = nullptr;   // an empty text stores nothing
    if (size > TextBlockSize / 4) {
        // A long text gets a block of its own; the current block stays open for short ones.
        auto own = std::make_unique_for_overwrite<char[]>(size);
        stored = own.get();
        textBlocks_.insert(textBlocks_.end() - (textBlocks_.empty() ? 0 : 1), std::move(own));
    } else if (size > 0) {
        if (size > textFree_) {
            textBlocks_.push_back(std::make_unique_for_overwrite<char[]>(TextBlockSize));
            textFree_ = TextBlockSize;
        }
        stored = textBlocks_.back().get() + (TextBlockSize - textFree_);
        textFree_ -= size;
    }
    if (stored)
        std::memcpy(stored, text, size);
    Cell &c = newCell(Cell::String);
    c.text = stored;
    c.length = length;
}

} // namespace ado
