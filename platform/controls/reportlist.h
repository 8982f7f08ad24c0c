#pragma once
// The report list the windows show their records in: column headers with a caption and a
// width in twips, rows of texts (the row's own text in column 1, sub-items 1..n after it)
// with a small icon from the list's image list, a selection counted from 1, and an export
// to an Excel 97 workbook. A QTableView over a model of its own (reportlistmodel.h), so a
// list of 100,000 guests fills and scrolls quickly.
//
// How the windows use it:
//   list->addColumnHeader("Title", ui::TextWidthTwips(list, "Abbrdreviouii"));
//   list->addColumnHeader("", 0);                 // the row's key: width 0 hides the column
//   list->clear();                                // rows only; the headers stay
//   const int row = list->addItem(title);         // rows count from 1
//   list->setSubItem(row, 1, firstName);          // sub-item n is column n + 1
//   list->setSmallIcon(row, 1);                   // index into setSmallIcons(), from 1
//   if (list->listIndex() >= 1) ... list->subItem(list->listIndex(), 20) ...
//   list->exportTo(path);                         // throws vb::Error 75/76 when it cannot write;
//                                                 // false when the user stopped it
//
// Mouse events carry the platform's values: button 1 left, 2 right, 4 middle; shift state
// 1 Shift, 2 Ctrl, 4 Alt; positions in twips within the list. A right press selects the
// row under the pointer before mouseDown is raised, so a popup opened on the release acts
// on that row. The keyboard's popup keys (the Menu key, Shift+F10) raise the same pair of
// events for the right button at the current row (selecting it), and a popup menu opened
// meanwhile appears at that row.
#include "controls/reportlistmodel.h"

#include <QTableView>

namespace controls {

class ReportList : public QTableView {
    Q_OBJECT
public:
    explicit ReportList(QWidget *parent = nullptr);

    // Column headers. `index` is the 1-based place of the new column (-1 appends); returns
    // the column's 1-based index. A width of 0 hides the column (the row's key).
    int addColumnHeader(const QString &caption, int widthTwips, int index = -1);
    int columnHeaderCount() const { return static_cast<int>(model_->columns().size()); }
    QString columnCaption(int column) const;       // 1-based
    int columnWidthTwips(int column) const;        // 1-based, as given
    void clearColumnHeaders();                     // also removes the rows

    // Rows, counted from 1.
    int addItem(const QString &text);
    // A whole row at once (text, sub-item 1, sub-item 2...), for fills of many rows.
    int addRow(QList<QString> texts, int smallIcon = 0);
    // Every row at once from a source whose texts are made when a row is shown, read or
    // exported (reportlistmodel.h): a large list then keeps no copy of its values.
    void setRows(std::shared_ptr<const ReportRowSource> rows);
    void setSubItem(int row, int subItem, const QString &text);
    QString subItem(int row, int subItem) const;   // sub-item 0 is the row's own text
    QString text(int row) const { return subItem(row, 0); }
    void setSmallIcon(int row, int icon);
    int smallIconOf(int row) const;
    int count() const { return static_cast<int>(model_->rows()); }
    void clear();

    // The small-icon image list; a row's icon is an index into it from 1 (0: no icon).
    void setSmallIcons(const QList<QIcon> &icons);

    // The selected row from 1; -1 when no row is selected.
    int listIndex() const;
    // Selects a row (and makes it current); -1 or 0 clears the selection.
    void setListIndex(int row);

    // Display options: the selection takes the whole row; lines between cells.
    void setFullRowSelect(bool on);
    bool fullRowSelect() const;
    void setGridLines(bool on) { setShowGrid(on); }
    bool gridLines() const { return showGrid(); }
    // Every second line tinted with this colour (an invalid colour: no tint).
    void setAlternateLineColor(const QColor &color);

    // Where the last mouse press happened, in twips within the list.
    int lastClickX() const { return lastClickX_; }
    int lastClickY() const { return lastClickY_; }

    // Writes the visible columns (hidden ones, such as the key, left out) and every row as
    // an Excel 97 workbook; with `headers` the column captions head each sheet. Written
    // through a temporary file that replaces `path` only when complete. A long export shows
    // its progress (ui::ShowProgress) with "Cancel": false when the user stopped it, and then
    // nothing is written. Throws vb::Error 76 when the folder does not exist and 75 when the
    // file cannot be written there.
    bool exportTo(const QString &path, bool headers = true) const;

    // Tells the view about rows added since; called by itself before the next event.
    void commitRows();

signals:
    void itemClick(int row);
    void dblClick();
    void mouseDown(int button, int shift, int x, int y);
    void mouseUp(int button, int shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void emitMouse(QMouseEvent *event, bool down);
    void emitMouse(int button, int shift, QPoint at, bool down);
    void popupFromKeyboard(Qt::KeyboardModifiers modifiers);

    ReportListModel *model_;
    int lastClickX_ = 0;
    int lastClickY_ = 0;
    // The popup key is down and was handled as a key: the platform's context-menu event
    // that follows the same key press opens nothing more.
    bool popupKeyHandled_ = false;
};

} // namespace controls
