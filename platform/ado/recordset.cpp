#include "ado/recordset.h"

#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/result_table.h"
#include "vb/conversions.h"

namespace ado {

QString Field::Name() const
{
    return recordset_->table().columnName(index_);
}

vb::Variant Field::Value() const
{
    return recordset_->currentValue(index_);
}

int FieldList::Count() const
{
    return recordset_->table().columnCount();
}

Field FieldList::Item(int index) const
{
    if (index < 0 || index >= Count())
        raiseAdoError(adErrItemNotFound, RecordsetSource);
    return Field(*recordset_, index);
}

Field FieldList::Item(const QString &name) const
{
    const int index = recordset_->table().columnIndex(name);
    if (index < 0)
        raiseAdoError(adErrItemNotFound, RecordsetSource);
    return Field(*recordset_, index);
}

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::Open(const QString &source, Connection &activeConnection, long cursorType, long lockType)
{
    Q_UNUSED(cursorType);
    Q_UNUSED(lockType);
    if (table_)
        raiseAdoError(adErrObjectOpen, RecordsetSource);
    table_ = activeConnection.query(source);
    position_ = 0;
}

std::shared_ptr<const ResultTable> Recordset::Rows() const
{
    table();   // raises 3704 when closed
    return table_;
}

void Recordset::Close()
{
    if (!table_)
        raiseAdoError(adErrObjectClosed, RecordsetSource);
    table_.reset();
}

long Recordset::State() const
{
    return table_ ? adStateOpen : adStateClosed;
}

const ResultTable &Recordset::table() const
{
    if (!table_)
        raiseAdoError(adErrObjectClosed, RecordsetSource);
    return *table_;
}

long Recordset::RecordCount() const
{
    return table().rowCount();
}

bool Recordset::IsBOF() const
{
    return table().rowCount() == 0 || position_ < 0;
}

bool Recordset::IsEOF() const
{
    const int rows = table().rowCount();
    return rows == 0 || position_ >= rows;
}

void Recordset::MoveFirst()
{
    if (table().rowCount() == 0)
        raiseAdoError(adErrNoCurrentRecord, RecordsetSource);
    position_ = 0;
}

void Recordset::MoveLast()
{
    const int rows = table().rowCount();
    if (rows == 0)
        raiseAdoError(adErrNoCurrentRecord, RecordsetSource);
    position_ = rows - 1;
}

void Recordset::MoveNext()
{
    if (IsEOF())
        raiseAdoError(adErrNoCurrentRecord, RecordsetSource);
    ++position_;
}

void Recordset::MovePrevious()
{
    if (IsBOF())
        raiseAdoError(adErrNoCurrentRecord, RecordsetSource);
    --position_;
}

FieldList Recordset::Fields() const
{
    table();
    return FieldList(*this);
}

vb::Variant Recordset::currentValue(int column) const
{
    if (IsBOF() || IsEOF())
        raiseAdoError(adErrNoCurrentRecord, RecordsetSource);
    return table_->value(position_, column);
}

QStringList ColumnTexts(Connection &conn, const QString &sql)
{
    Recordset rs;
    rs.Open(sql, conn);
    QStringList values;
    for (; !rs.IsEOF(); rs.MoveNext())
        values << vb::CStr(rs.Fields(0).Value());
    return values;
}

} // namespace ado
