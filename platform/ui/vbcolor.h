#pragma once
// Colours as the windows give them: 32-bit values &H00BBGGRR, or a system colour
// &H80000000 + index (&H8000000F is the button face).
#include <QColor>
#include <cstdint>

namespace ui {

// System colour indexes the windows use.
enum SystemColor : uint32_t {
    vbWindowBackground = 0x80000005,
    vbWindowText = 0x80000008,
    vbButtonFace = 0x8000000F,
    vbButtonText = 0x80000012,
    vbInfoText = 0x80000017,
    vbInfoBackground = 0x80000018,
};

// A system colour comes from the application's palette; an unknown index gives the
// window background.
QColor ColorFromVb(uint32_t value);
// &H00BBGGRR of a colour.
uint32_t VbFromColor(const QColor &color);

} // namespace ui
