#include "controls/reportlistmodel.h"

#include "ui/handlerguard.h"

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
    for (Row &row : changedSourceRows_) {
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
    source_.reset();
    changedSourceRows_.clear();
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

const ReportListModel::Row *ReportListModel::ownRowIfAny(qsizetype row) const
{
    if (row >= sourceRows())
        return &rows_[static_cast<size_t>(row - sourceRows())];
    const auto changed = changedSourceRows_.constFind(row);
    return changed == changedSourceRows_.cend() ? nullptr : &*changed;
}

ReportListModel::Row &ReportListModel::ownRow(qsizetype row)
{
    if (row >= sourceRows())
        return rows_[static_cast<size_t>(row - sourceRows())];
    auto changed = changedSourceRows_.find(row);
    if (changed == changedSourceRows_.end()) {
        Row copy{{}, source_->smallIcon(row)};
        for (int column = 0; column < columns_.size(); ++column)
            copy.texts << source_->text(row, column);
        changed = changedSourceRows_.insert(row, std::move(copy));
    }
    return *changed;
}

void ReportListModel::setText(qsizetype row, int column, const QString &text)
{
    QList<QString> &texts = ownRow(row).texts;
    if (texts.size() <= column)
        texts.resize(column + 1);
    texts[column] = text;
    changed(row, column);
}

QString ReportListModel::text(qsizetype row, int column) const
{
    const Row *own = ownRowIfAny(row);
    if (!own)
        return source_->text(row, column);
    return column < own->texts.size() ? own->texts[column] : QString();
}

int ReportListModel::smallIcon(qsizetype row) const
{
    const Row *own = ownRowIfAny(row);
    return own ? own->icon : source_->smallIcon(row);
}

void ReportListModel::setSmallIcon(qsizetype row, int icon)
{
    ownRow(row).icon = icon;
    changed(row, 0);
}

void ReportListModel::clearRows()
{
    beginResetModel();
    source_.reset();
    changedSourceRows_.clear();
    rows_.clear();
    // Give the memory of a large list back rather than keep it for the next fill.
    rows_.shrink_to_fit();
    committed_ = 0;
    endResetModel();
}

void ReportListModel::setSource(std::shared_ptr<const ReportRowSource> source)
{
    beginResetModel();
    source_ = std::move(source);
    changedSourceRows_.clear();
    rows_.clear();
    rows_.shrink_to_fit();
    committed_ = rows();
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

// Qt asks while it paints: the rows' own code (a column's text) runs through the handler guard,
// and a cell whose text raised shows nothing.
QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= committed_)
        return {};
    QVariant shown;
    ui::RunEventHandler([&] {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            shown = text(index.row(), index.column());
        } else if (role == Qt::DecorationRole && index.column() == 0) {
            const int icon = smallIcon(index.row());
            if (icon >= 1 && icon <= smallIcons_.size())
                shown = smallIcons_[icon - 1];
        }
    });
    return shown;
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns_.size())
        return columns_[section].caption;
    return {};
}

} // namespace controls
