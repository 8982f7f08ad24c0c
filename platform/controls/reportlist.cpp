#include "controls/reportlist.h"

#include "controls/popupmenu.h"
#include "controls/xlsexport.h"
#include "ui/dialogs.h"
#include "ui/twips.h"

#include <QHeaderView>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace controls {

namespace {
int vbButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int vbShift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
        | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// The sheet data of an export: the visible columns of the list, read straight from its rows.
class ListSheetSource : public XlsSource {
public:
    ListSheetSource(const ReportListModel &model, bool headers) : model_(model), headers_(headers)
    {
        for (int c = 0; c < model.columns().size(); ++c) {
            if (model.columns()[c].widthTwips > 0)
                visible_ << c;
        }
    }
    int columns() const override { return static_cast<int>(visible_.size()); }
    bool hasHeaders() const override { return headers_; }
    QString header(int column) const override { return model_.columns()[visible_[column]].caption; }
    int widthTwips(int column) const override { return model_.columns()[visible_[column]].widthTwips; }
    qsizetype rows() const override { return rows_; }
    // The rows counted at the start: the list cannot change during the export, whose progress
    // window keeps the user's input away, but a row that went all the same reads empty.
    QString cell(qsizetype row, int column) const override
    {
        return row < model_.rows() ? model_.text(row, visible_[column]) : QString();
    }

private:
    const ReportListModel &model_;
    bool headers_;
    qsizetype rows_ = model_.rows();
    QList<int> visible_;
};
} // namespace

ReportList::ReportList(QWidget *parent) : QTableView(parent), model_(new ReportListModel(this))
{
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Fixed row heights: the view then never measures rows, whatever their number.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIconSize(QSize(16, 16));
    connect(model_, &ReportListModel::rowsPending, this, &ReportList::commitRows, Qt::QueuedConnection);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex &index) { emit itemClick(index.row() + 1); });
}

int ReportList::addColumnHeader(const QString &caption, int widthTwips, int index)
{
    commitRows();
    const int at = model_->insertColumnHeader(index < 1 ? -1 : index - 1, {caption, widthTwips});
    setColumnWidth(at, ui::TwipsToPixelsX(widthTwips));
    setColumnHidden(at, widthTwips <= 0);
    return at + 1;
}

QString ReportList::columnCaption(int column) const { return model_->columns().value(column - 1).caption; }

int ReportList::columnWidthTwips(int column) const { return model_->columns().value(column - 1).widthTwips; }

void ReportList::clearColumnHeaders() { model_->clearColumns(); }

int ReportList::addItem(const QString &text) { return static_cast<int>(model_->appendRow(text)) + 1; }

int ReportList::addRow(QList<QString> texts, int smallIcon)
{
    model_->appendRow(std::move(texts), smallIcon);
    return count();
}

void ReportList::setRows(std::shared_ptr<const ReportRowSource> rows) { model_->setSource(std::move(rows)); }

void ReportList::setSubItem(int row, int subItem, const QString &text) { model_->setText(row - 1, subItem, text); }

QString ReportList::subItem(int row, int subItem) const { return model_->text(row - 1, subItem); }

void ReportList::setSmallIcon(int row, int icon) { model_->setSmallIcon(row - 1, icon); }

int ReportList::smallIconOf(int row) const { return model_->smallIcon(row - 1); }

void ReportList::clear() { model_->clearRows(); }

void ReportList::setSmallIcons(const QList<QIcon> &icons) { model_->setSmallIcons(icons); }

void ReportList::commitRows() { model_->commit(); }

int ReportList::listIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row() + 1;
}

void ReportList::setListIndex(int row)
{
    commitRows();
    if (row < 1 || row > count()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex at = model_->index(row - 1, 0);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect
                                              | (fullRowSelect() ? QItemSelectionModel::Rows
                                                                 : QItemSelectionModel::NoUpdate));
    scrollTo(at);
}

void ReportList::setFullRowSelect(bool on)
{
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

bool ReportList::fullRowSelect() const { return selectionBehavior() == QAbstractItemView::SelectRows; }

void ReportList::setAlternateLineColor(const QColor &color)
{
    setAlternatingRowColors(color.isValid());
    if (color.isValid()) {
        QPalette p = palette();
        p.setColor(QPalette::AlternateBase, color);
        setPalette(p);
    }
}

bool ReportList::exportTo(const QString &path, bool headers) const
{
    const ListSheetSource source(*model_, headers);
    const std::unique_ptr<ui::Progress> progress = ui::ShowProgress(QFileInfo(path).fileName(), source.rows(), window());
    return WriteXlsWorkbook(path, source, [&](qsizetype rows) { return progress->advance(rows); });
}

void ReportList::emitMouse(QMouseEvent *event, bool down)
{
    emitMouse(vbButton(event->button()), vbShift(event->modifiers()), event->position().toPoint(), down);
}

void ReportList::emitMouse(int button, int shift, QPoint at, bool down)
{
    const int x = ui::PixelsToTwipsX(at.x());
    const int y = ui::PixelsToTwipsY(at.y());
    if (down) {
        lastClickX_ = x;
        lastClickY_ = y;
        emit mouseDown(button, shift, x, y);
    } else {
        emit mouseUp(button, shift, x, y);
    }
}

void ReportList::mousePressEvent(QMouseEvent *event)
{
    commitRows();
    if (event->button() == Qt::RightButton) {
        // The row under the pointer becomes the selected one, as a left press would make it.
        const QModelIndex at = indexAt(event->position().toPoint());
        if (at.isValid())
            setListIndex(at.row() + 1);
    } else {
        QTableView::mousePressEvent(event);
    }
    emitMouse(event, true);
}

void ReportList::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    emitMouse(event, false);
}

void ReportList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit dblClick();
}

void ReportList::keyPressEvent(QKeyEvent *event)
{
    const bool popupKey = event->key() == Qt::Key_Menu
                          || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    popupKeyHandled_ = popupKey;
    if (!popupKey) {
        QTableView::keyPressEvent(event);
        return;
    }
    popupFromKeyboard(event->modifiers());
    event->accept();
}

void ReportList::keyReleaseEvent(QKeyEvent *event)
{
    popupKeyHandled_ = false;
    QTableView::keyReleaseEvent(event);
}

void ReportList::contextMenuEvent(QContextMenuEvent *event)
{
    // A right click has already raised its mouse events; the keyboard's request is raised
    // here unless its key press came first.
    if (event->reason() == QContextMenuEvent::Keyboard && !std::exchange(popupKeyHandled_, false))
        popupFromKeyboard(event->modifiers());
    event->accept();
}

// As a right click on the current row: the row is selected, and the windows' handlers of
// the right button open their popups there.
void ReportList::popupFromKeyboard(Qt::KeyboardModifiers modifiers)
{
    commitRows();
    const QModelIndex current = currentIndex().isValid() ? currentIndex() : model_->index(0, 0);
    QPoint at(0, 0);
    if (current.isValid()) {
        setListIndex(current.row() + 1);
        scrollTo(current);
        const QRect row = visualRect(current);
        at = QPoint(row.left() + 1, row.bottom());
    }
    const PopupAnchor anchor(viewport()->mapToGlobal(at));
    const int shift = vbShift(modifiers & ~Qt::ShiftModifier);
    emitMouse(2, shift, at, true);
    emitMouse(2, shift, at, false);
}

} // namespace controls
