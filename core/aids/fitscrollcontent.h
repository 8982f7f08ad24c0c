#pragma once
// The content of a window's scrollable area laid out by Qt layouts: PicInner fills the
// window and is never smaller than its fields allow; the scroll bars show what a smaller
// window cuts off. Called at load and at every resize, before ScrollResize.
class QFrame;
class QWidget;

namespace core {

void FitScrollContent(const QWidget &window, const QFrame *picOuter, QWidget *picInner, const QWidget *hBar,
                      const QWidget *vBar);

} // namespace core
