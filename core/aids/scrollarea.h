#pragma once
// The scrollable area of a large window, built the same way for every window that has one:
//   PicOuter  a bordered frame on the window: the visible viewport;
//   PicInner  inside PicOuter: holds the window's fields, sized to the whole content;
//   HBar/VBar scroll bars on the window, hidden until ScrollResize shows them.
// The bars move PicInner: its left and top (twips inside PicOuter's border) follow the bars'
// values as they stand, 0 down to the negative Max, so the content moves left and up.
//
//   ScrollArea area = BuildScrollArea(*this, 9600, 7200);
//   ... put the fields into area.PicInner ...
//   void Form_Resize() override { core::ScrollResize(*this); }
#include <QPoint>

class QFrame;
class QWidget;

namespace ui {
class Form;
}

namespace core {

class ScrollBar;

struct ScrollArea {
    QFrame *PicOuter = nullptr;
    QWidget *PicInner = nullptr;
    ScrollBar *HBar = nullptr;
    ScrollBar *VBar = nullptr;
};

// The four controls on `frm`, PicInner sized contentWidth x contentHeight twips.
ScrollArea BuildScrollArea(ui::Form &frm, int contentWidth, int contentHeight);

// PicInner's left and top, twips inside PicOuter's border.
QPoint InnerPosition(const QWidget *picInner);
void SetInnerPosition(QWidget *picInner, QPoint twips);

} // namespace core
