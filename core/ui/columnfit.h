#pragma once
// Text boxes that feed a text column of fixed width take no more characters than the column
// holds, the same on both engines: the embedded file would store a longer text that a MariaDB
// server refuses ("Data too long").
#include <QString>

class QComboBox;
class QLineEdit;

namespace core {

// Limits the box to the column's width (schema::TextColumnWidth); a box already limited keeps
// the smaller limit, so a box that feeds two columns is fitted to both.
void FitToColumn(QLineEdit *box, const QString &table, const QString &column);
// The same for the text typed into an editable list.
void FitToColumn(QComboBox *editableList, const QString &table, const QString &column);

} // namespace core
