#pragma once
// The scrollable area of a large window: a viewport PicOuter, the content PicInner inside
// it and the scroll bars HBar and VBar, found by name and laid out at every resize. The
// windows' scroll handlers set PicInner's left and top to the bars' values (0 down to the
// negative Max), so the content moves left and up.
namespace ui {
class Form;
}

namespace core {

void ScrollResize(ui::Form &frm);

} // namespace core
