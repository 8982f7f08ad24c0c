#pragma once
// The rows of a report list: one text per column (the row's own text, then its sub-items)
// and a small-icon index. Rows are kept as plain texts, so a list of 100,000 rows x 21
// columns costs one vector and no widget per cell.
//
// Rows appended while a list is filled are told to the view in one batch (commit()), not
// one by one: a view told of each row alone spends its time on its headers. The owner
// commits before anything that involves the view (selection, painting) and a queued call
// commits whatever a fill left behind.
//
// A large list can instead take its rows from a source (setSource): the texts are made only
// when a row is shown, read or exported, so the list keeps no copy of values that its source
// holds already. Rows appended after it follow the source's rows; a source row that is changed
// gets texts of its own.
#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace controls {

// Rows whose texts are made on demand. Column 0 is the row's own text.
class ReportRowSource {
public:
    virtual ~ReportRowSource() = default;
    virtual qsizetype rows() const = 0;
    virtual QString text(qsizetype row, int column) const = 0;
    // An index into the list's small icons, from 1; 0 for none.
    virtual int smallIcon(qsizetype row) const = 0;
};

struct ReportColumn {
    QString caption;
    int widthTwips = 0;
};

class ReportListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ReportListModel(QObject *parent = nullptr);

    // Columns; `position` from 0, -1 appends.
    int insertColumnHeader(int position, const ReportColumn &column);
    const QList<ReportColumn> &columns() const { return columns_; }
    void clearColumns();

    // Rows, indexed from 0 here (the list counts from 1).
    qsizetype rows() const { return sourceRows() + static_cast<qsizetype>(rows_.size()); }
    qsizetype appendRow(const QString &text);
    void appendRow(QList<QString> texts, int smallIcon);
    void setText(qsizetype row, int column, const QString &text);
    QString text(qsizetype row, int column) const;
    void setSmallIcon(qsizetype row, int icon);
    int smallIcon(qsizetype row) const;
    void clearRows();
    // Replaces every row with the source's rows, told to the view at once.
    void setSource(std::shared_ptr<const ReportRowSource> source);

    void setSmallIcons(const QList<QIcon> &icons);

    // Tells the view about rows appended since the last commit.
    void commit();
    bool hasPending() const { return committed_ < rows(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // Rows were appended and not yet committed: the owner queues a commit.
    void rowsPending();

private:
    struct Row {
        QList<QString> texts;
        int icon = 0;   // 1-based index into the small icons; 0 none
    };
    void notePending();
    void changed(qsizetype row, int column);
    qsizetype sourceRows() const { return source_ ? source_->rows() : 0; }
    // The row's own texts, made from the source for a source row that changes.
    Row &ownRow(qsizetype row);
    const Row *ownRowIfAny(qsizetype row) const;

    QList<ReportColumn> columns_;
    std::shared_ptr<const ReportRowSource> source_;
    QHash<qsizetype, Row> changedSourceRows_;
    std::vector<Row> rows_;   // the rows after the source's
    qsizetype committed_ = 0;
    QList<QIcon> smallIcons_;
};

} // namespace controls
