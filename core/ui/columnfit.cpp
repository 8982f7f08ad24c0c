#include "core/ui/columnfit.h"

#include "schema/schema.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace core {

void FitToColumn(QLineEdit *box, const QString &table, const QString &column)
{
    const int width = schema::TextColumnWidth(table, column);
    if (width <= 0) {
        qWarning("FitToColumn: %s.%s has no fixed width", qPrintable(table), qPrintable(column));
        return;
    }
    box->setMaxLength(std::min(box->maxLength(), width));
}

void FitToColumn(QComboBox *editableList, const QString &table, const QString &column)
{
    if (QLineEdit *box = editableList->lineEdit())
        FitToColumn(box, table, column);
}

} // namespace core
