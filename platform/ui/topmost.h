#pragma once
// Keeping a window above all others.
class QWidget;

namespace ui {

// onTop True: the window stays above other windows (its own and other programs'); the
// result is non-zero when that was done. onTop False: back to a normal window, result 0.
// A window that is showing stays shown.
int SetTopMost(QWidget *window, bool onTop);

bool IsTopMost(const QWidget *window);

} // namespace ui
