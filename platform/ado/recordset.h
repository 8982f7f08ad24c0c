#pragma once
// An ADO-like recordset: the whole result of a query, read at Open into memory, scrollable and
// countable (what a keyset cursor gives the windows). Field values are Variants typed by the column's
// declared type: Null, Date, Currency, Long, Integer, Double, Boolean or String.
// EOF is a macro of the C library, so the two end markers are IsBOF() and IsEOF().
#include "vb/variant.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace ado {

class Connection;
class Recordset;
class ResultTable;

enum CursorTypeEnum : long {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
};

enum LockTypeEnum : long {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

// One column of the current record. Valid while its recordset is neither closed nor reopened.
class Field {
public:
    QString Name() const;
    // Raises 3021 at BOF or EOF.
    vb::Variant Value() const;

private:
    friend class FieldList;
    Field(const Recordset &recordset, int index) : recordset_(&recordset), index_(index) {}
    const Recordset *recordset_;
    int index_;
};

class FieldList {
public:
    int Count() const;
    // Raise 3265 for an index out of range or an unknown name (names without regard to case).
    Field Item(int index) const;
    Field Item(const QString &name) const;
    Field operator[](int index) const { return Item(index); }
    Field operator[](const QString &name) const { return Item(name); }

private:
    friend class Recordset;
    explicit FieldList(const Recordset &recordset) : recordset_(&recordset) {}
    const Recordset *recordset_;
};

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    // Runs `source` on the connection. A query leaves the recordset open on its first record; a
    // statement that gives no rows (INSERT ... SELECT, DELETE) runs and leaves it closed.
    // Raises 3705 when already open, 3709 when the connection is closed, and the engine's errors.
    // Every cursor and lock type gives the same in-memory, scrollable result.
    void Open(const QString &source, Connection &activeConnection, long cursorType = adOpenUnspecified,
              long lockType = adLockUnspecified);
    void Close();                 // 3704 when not open
    long State() const;

    // All of these raise 3704 when the recordset is not open.
    long RecordCount() const;
    bool IsBOF() const;
    bool IsEOF() const;
    void MoveFirst();             // 3021 when there is no record
    void MoveLast();              // 3021 when there is no record
    void MoveNext();              // 3021 at EOF
    void MovePrevious();          // 3021 at BOF

    FieldList Fields() const;
    Field Fields(int index) const { return Fields().Item(index); }
    Field Fields(const QString &name) const { return Fields().Item(name); }

    // All the rows at once, shared: they stay readable after the recordset is closed, for a
    // list that shows them without copying them (3704 when the recordset is not open).
    std::shared_ptr<const ResultTable> Rows() const;

private:
    friend class Field;
    friend class FieldList;
    const ResultTable &table() const;   // 3704 when not open
    vb::Variant currentValue(int column) const;

    std::shared_ptr<ResultTable> table_;
    int position_ = 0;   // -1 at BOF, the row count at EOF
};

// The first column of every row `sql` returns on `conn`, as text: a name list, a key list.
QStringList ColumnTexts(Connection &conn, const QString &sql);

} // namespace ado
