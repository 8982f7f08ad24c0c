#pragma once
// A report list's rows read straight from a query's result (ado::Recordset::Rows): each column
// shows one field through a text function, and a text is made only when its row is shown,
// read or exported. A list of 100,000 guests then keeps the query's compact cells and no
// texts of its own; the result stays alive as long as the list shows it.
//
//   auto rows = std::make_shared<core::ResultRows>(recordset->Rows(), columns);  // {"cTitle", core::TextOf}, ...
//   rows->keepRowsWithText(2);
//   list->setRows(rows);
#include "controls/reportlistmodel.h"
#include "vb/variant.h"

#include <functional>
#include <memory>
#include <vector>

namespace ado {
class ResultTable;
}

namespace core {

class ResultRows final : public controls::ReportRowSource {
public:
    // How a column shows its field's value. It may keep what it worked out for the next
    // value (a date's text, an amount's): it is called on the user-interface thread only.
    using CellText = std::function<QString(const vb::Variant &value)>;
    struct Column {
        QString field;   // by name, without regard to case
        CellText text;
    };

    // Raises 3265 for a field the result does not hold.
    ResultRows(std::shared_ptr<const ado::ResultTable> table, const std::vector<Column> &columns);

    // Only the rows whose `field` is neither Null nor an empty text stay, in their order.
    void keepRowsWithText(int field);
    // The rows from `row` (counted in the rows kept so far) on are dropped.
    void dropFrom(qsizetype row);
    // Each row's small icon, from the text of its first column.
    void setIcon(std::function<int(const QString &firstText)> icon) { icon_ = std::move(icon); }
    // The field of the row's column, unformatted.
    vb::Variant value(qsizetype row, int column) const;

    qsizetype rows() const override { return static_cast<qsizetype>(shown_.size()); }
    QString text(qsizetype row, int column) const override;
    int smallIcon(qsizetype row) const override;

private:
    struct ShownColumn {
        int field;
        CellText text;
    };
    std::shared_ptr<const ado::ResultTable> table_;
    std::vector<ShownColumn> columns_;
    std::vector<int> shown_;   // the result's rows, in the list's order
    std::function<int(const QString &)> icon_;
};

} // namespace core
