#include "controls/reportlistmodel.h"

namespace controls {

ReportListModel::ReportListModel(QObject *parent) : QAbstractTableModel(parent) {}

int ReportListModel::insertColumnHeader(int position, const ReportColumn &column)
{
    const int at = (position < 0 || position > columns_.size()) ? static_cast<int>(columns_.size()) : position;
    beginInsertColumns(QModelIndex(), at, at);
    columns_.insert(at, column);
    for (Row &row : rows_) {
        if (row.texts.size() > at)
            row.texts.insert(at, QString());
    }
    endInsertColumns();
    return at;
}

void ReportListModel::clearColumns()
{
    beginResetModel();
    columns_.clear();
    rows_.clear();
    committed_ = 0;
    endResetModel();
}

void ReportListModel::notePending()
{
    if (committed_ == rows() - 1)
        emit rowsPending();
}

qsizetype ReportListModel::appendRow(const QString &text)
{
    rows_.push_back(Row{{text}, 0});
    notePending();
    return rows() - 1;
}

void ReportListModel::appendRow(QList<QString> texts, int smallIcon)
{
    rows_.push_back(Row{std::move(texts), smallIcon});
    notePending();
}

void ReportListModel::changed(qsizetype row, int column)
{
    if (row < committed_) {
        const QModelIndex at = index(static_cast<int>(row), column);
        emit dataChanged(at, at);
    }
}

void ReportListModel::setText(qsizetype row, int column, const QString &text)
{
    QList<QString> &texts = rows_[static_cast<size_t>(row)].texts;
    if (texts.size() <= column)
        texts.resize(column + 1);
    texts[column] = text;
    changed(row, column);
}

QString ReportListModel::text(qsizetype row, int column) const
{
    const QList<QString> &texts = rows_[static_cast<size_t>(row)].texts;
    return column < texts.size() ? texts[column] : QString();
}

void ReportListModel::setSmallIcon(qsizetype row, int icon)
{
    rows_[static_cast<size_t>(row)].icon = icon;
    changed(row, 0);
}

void ReportListModel::clearRows()
{
    beginResetModel();
    rows_.clear();
    // Give the memory of a large list back rather than keep it for the next fill.
    rows_.shrink_to_fit();
    committed_ = 0;
    endResetModel();
}

void ReportListModel::setSmallIcons(const QList<QIcon> &icons)
{
    smallIcons_ = icons;
    if (committed_ > 0)
        emit dataChanged(index(0, 0), index(static_cast<int>(committed_) - 1, 0), {Qt::DecorationRole});
}

void ReportListModel::commit()
{
    if (!hasPending())
        return;
    beginInsertRows(QModelIndex(), static_cast<int>(committed_), static_cast<int>(rows()) - 1);
    committed_ = rows();
    endInsertRows();
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(committed_);
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= committed_)
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(index.row(), index.column());
    if (role == Qt::DecorationRole && index.column() == 0) {
        const int icon = smallIcon(index.row());
        if (icon >= 1 && icon <= smallIcons_.size())
            return smallIcons_[icon - 1];
    }
    return {};
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns_.size())
        return columns_[section].caption;
    return {};
}

} // namespace controls
