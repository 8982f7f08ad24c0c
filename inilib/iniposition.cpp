// The window-position operations of INI: "Maximised", "Left", "Top", "Width" and "Height"
// under the current section, restored with minimum sizes and a four-pixel screen margin.
#include "inilib/ini.h"

#include "vb/error.h"

#include <limits>

namespace tarvolinkini {

namespace {

enum WindowState { Normal = 0, Minimised = 1, Maximised = 2 };

// Positions are 32-bit whole numbers: a sum or difference beyond them is an overflow error,
// as it is in the runtime's Long arithmetic.
int32_t checkedLong(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw vb::Error::standard(vb::errOverflow);
    return static_cast<int32_t>(value);
}

int32_t add(int32_t a, int32_t b)
{
    return checkedLong(int64_t(a) + b);
}

// Keeps one axis inside the screen less its margins: first by moving toward the margin,
// then, when the window is still too big, by shrinking it.
void fitAxis(int32_t &position, int32_t &size, int32_t screenSize, int32_t margin)
{
    const int64_t limit = int64_t(screenSize) - margin;
    if (add(position, size) <= limit)
        return;
    position = checkedLong(limit - size);
    if (position < margin)
        position = margin;
    if (add(position, size) > limit)
        size = checkedLong(limit - position);
}

} // namespace

void INI::writeKey(const QString &key, const QString &value)
{
    key_ = key;
    SetValue(value);
}

int32_t INI::readNumber(const QString &key, int32_t fallback)
{
    key_ = key;
    return CLngDefault(Value(), fallback);
}

void INI::SaveFormPosition(ui::FormObject &frmThis)
{
    const QString savedKey = key_;
    try {
        const int state = frmThis.WindowState();
        if (state != Minimised) {
            writeKey(QStringLiteral("Maximised"), state == Maximised ? QStringLiteral("1") : QStringLiteral("0"));
            // A maximised window keeps its last normal position in the file.
            if (state != Maximised) {
                writeKey(QStringLiteral("Left"), QString::number(frmThis.Left()));
                writeKey(QStringLiteral("Top"), QString::number(frmThis.Top()));
                writeKey(QStringLiteral("Width"), QString::number(frmThis.Width()));
                writeKey(QStringLiteral("Height"), QString::number(frmThis.Height()));
            }
        }
    } catch (const std::exception &) {
        lastReturnCode_ = 0;
    }
    key_ = savedKey;
}

void INI::LoadFormPosition(ui::FormObject &frmThis, int32_t lMinWidth, int32_t lMinHeight)
{
    const QString savedKey = key_;
    const QString savedDefault = default_;
    // A missing key reads as a text that cannot convert, so the window's value stays.
    default_ = QStringLiteral("FAIL");
    try {
        int32_t left = readNumber(QStringLiteral("Left"), frmThis.Left());
        int32_t top = readNumber(QStringLiteral("Top"), frmThis.Top());
        int32_t width = readNumber(QStringLiteral("Width"), frmThis.Width());
        if (width < lMinWidth)
            width = lMinWidth;
        int32_t height = readNumber(QStringLiteral("Height"), frmThis.Height());
        if (height < lMinHeight)
            height = lMinHeight;

        const ui::ScreenObject &screen = frmThis.Screen();
        const int32_t marginX = checkedLong(int64_t(4) * screen.TwipsPerPixelX());
        const int32_t marginY = checkedLong(int64_t(4) * screen.TwipsPerPixelY());
        if (left < marginX)
            left = marginX;
        if (top < marginY)
            top = marginY;
        fitAxis(left, width, screen.Width(), marginX);
        fitAxis(top, height, screen.Height(), marginY);

        if (width >= lMinWidth && height >= lMinHeight)
            frmThis.Move(left, top, width, height);
        if (readNumber(QStringLiteral("Maximised"), 0) != 0)
            frmThis.SetWindowState(Maximised);
    } catch (const std::exception &) {
        lastReturnCode_ = 0;
    }
    key_ = savedKey;
    default_ = savedDefault;
}

} // namespace tarvolinkini
