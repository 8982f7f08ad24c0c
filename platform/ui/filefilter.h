#pragma once
// File-type filters written the common dialogs' way, "Description|pattern|Description|pattern"
// ("Microsoft MDB (*.mdb)|*.mdb"), turned into Qt name filters ("Microsoft MDB (*.mdb)").
#include <QString>
#include <QStringList>

namespace ui {

// One Qt name filter per description/pattern pair, in order. Patterns separated by ";"
// become Qt's blank-separated list; a description that already ends with its patterns in
// brackets is kept as it stands. A description without a pattern matches every file.
QStringList QtNameFilters(const QString &vbFilter);

// The 1-based index of a Qt name filter within the list, 0 when it is not there.
int NameFilterIndex(const QStringList &nameFilters, const QString &chosen);

} // namespace ui
