#pragma once
// Walking a whole query result the windows' way: every field of every row through ado::Recordset.
#include "ado/connection.h"
#include "ado/recordset.h"
#include "vb/conversions.h"

namespace bench {

// Every field of every row as text (CStr, the way the lists read them), or only as a Variant.
// Returns the rows walked; the texts' lengths (or the values' types) are added to `characters`,
// so that the reading cannot be optimised away.
inline qint64 WalkRecordset(ado::Connection &conn, const QString &sql, qint64 &characters, bool asText)
{
    ado::Recordset rs;
    rs.Open(sql, conn, ado::adOpenKeyset, ado::adLockOptimistic);
    const int columns = rs.Fields().Count();
    while (!rs.IsEOF()) {
        for (int i = 0; i < columns; ++i) {
            const vb::Variant value = rs.Fields(i).Value();
            characters += asText ? vb::CStr(value).size() : static_cast<int>(value.type());
        }
        rs.MoveNext();
    }
    return rs.RecordCount();
}

} // namespace bench
