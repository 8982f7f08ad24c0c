#include "ui/vbcolor.h"

#include <QGuiApplication>
#include <QPalette>

namespace ui {

namespace {
QPalette::ColorRole roleOf(uint32_t value)
{
    switch (value) {
    case vbWindowText: return QPalette::WindowText;
    case vbButtonFace: return QPalette::Button;
    case vbButtonText: return QPalette::ButtonText;
    case vbInfoText: return QPalette::ToolTipText;
    case vbInfoBackground: return QPalette::ToolTipBase;
    default: return QPalette::Base;
    }
}
} // namespace

QColor ColorFromVb(uint32_t value)
{
    if (value & 0x80000000u) {
        const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
        return palette.color(roleOf(value));
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

uint32_t VbFromColor(const QColor &color)
{
    const QColor c = color.toRgb();
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}

} // namespace ui
