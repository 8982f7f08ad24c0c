#pragma once
// How a column's values come back as Variants, read from its declared type.
#include <QStringView>

namespace ado {

enum class ColumnKind {
    Dynamic,    // no declared type (an expression): by what the value is
    String,
    Long,
    Integer,
    Double,
    Currency,
    Date,
    Boolean,
};

// A declared type as SQLite keeps it ("VARCHAR(50)", "CURRENCY", "DATETIME", "DECIMAL(19,4)").
ColumnKind columnKindOfDeclaredType(QStringView declaredType);

} // namespace ado
