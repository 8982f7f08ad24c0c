#include "controls/tabcolumns.h"

#include <QFontMetricsF>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>

namespace controls {

namespace {

// Pixels between the widest cell of a column and the next column.
constexpr qreal ColumnGap = 24;
// The tabs of a run before its last one each stop a pixel short of the column, so only the
// last tab of the run reaches it.
constexpr qreal LeadingTabStep = 1;

struct Cell {
    int from = 0;   // in the paragraph
    int to = 0;
    int tabsAfter = 0;   // the run of tabs that ends the cell; 0 for the last cell
};

QList<Cell> cellsOf(const QString &text)
{
    QList<Cell> cells;
    Cell cell;
    for (int i = 0; i < text.size();) {
        if (text.at(i) != QLatin1Char('\t')) {
            ++i;
            continue;
        }
        cell.to = i;
        while (i < text.size() && text.at(i) == QLatin1Char('\t')) {
            ++cell.tabsAfter;
            ++i;
        }
        cells.append(cell);
        cell = Cell{i, i, 0};
    }
    cell.to = int(text.size());
    cells.append(cell);
    return cells;
}

// The width of a stretch of a paragraph, each piece in its own font.
qreal widthOf(const QTextBlock &block, int from, int to, const QFont &base)
{
    qreal width = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = std::max(from, fragment.position() - block.position());
        const int end = std::min(to, fragment.position() - block.position() + fragment.length());
        if (start >= end)
            continue;
        const QString piece = fragment.text().mid(start - (fragment.position() - block.position()), end - start);
        width += QFontMetricsF(fragment.charFormat().font().resolve(base)).horizontalAdvance(piece);
    }
    return width;
}

struct Line {
    QTextBlock block;
    QList<Cell> cells;
};

} // namespace

void AlignTabColumns(QTextDocument &document)
{
    QList<Line> lines;
    qsizetype columns = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QList<Cell> cells = cellsOf(block.text());
        if (cells.size() < 2)
            continue;
        columns = std::max(columns, cells.size() - 1);
        lines.append({block, std::move(cells)});
    }

    // Where each run of tabs ends: past the widest cell before it, which starts where the
    // run before it ended, with room for the stops of the run's leading tabs.
    QList<qreal> columnAt;
    const QFont base = document.defaultFont();
    for (qsizetype column = 0; column < columns; ++column) {
        const qreal start = column == 0 ? 0 : columnAt.last();
        qreal widest = 0;
        int mostTabs = 0;
        for (const Line &line : lines) {
            if (line.cells.size() <= column + 1)
                continue;
            const Cell &cell = line.cells.at(column);
            widest = std::max(widest, widthOf(line.block, cell.from, cell.to, base));
            mostTabs = std::max(mostTabs, cell.tabsAfter);
        }
        columnAt.append(start + widest + ColumnGap + (mostTabs - 1) * LeadingTabStep);
    }

    for (const Line &line : lines) {
        QList<QTextOption::Tab> stops;
        for (qsizetype column = 0; column + 1 < line.cells.size(); ++column) {
            const int tabs = line.cells.at(column).tabsAfter;
            for (int tab = tabs - 1; tab >= 0; --tab)
                stops.append(QTextOption::Tab(columnAt.at(column) - tab * LeadingTabStep, QTextOption::LeftTab));
        }
        QTextBlockFormat format = line.block.blockFormat();
        format.setTabPositions(stops);
        QTextCursor(line.block).setBlockFormat(format);
    }
}

} // namespace controls
