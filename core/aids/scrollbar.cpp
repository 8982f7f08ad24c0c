#include "core/aids/scrollbar.h"

#include "core/state/connecthandler.h"
#include "vb/conversions.h"
#include "vb/error.h"

#include <algorithm>
#include <cstdlib>

namespace core {

namespace {
constexpr long errInvalidPropertyValue = 380;

// A property value as a 16-bit whole number (halves to even); Overflow outside the range.
int wholeNumber(double value) { return vb::CInt(vb::Variant(value)); }

[[noreturn]] void invalidPropertyValue()
{
    throw vb::Error(errInvalidPropertyValue, QStringLiteral("Invalid property value"));
}
} // namespace

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
    setPageStep(largeChange_);
    setSingleStep(smallChange_);
    applyRange();
    core::ConnectHandler(this, &QScrollBar::valueChanged, this, &ScrollBar::positionChanged);
    core::ConnectHandler(this, &QScrollBar::sliderMoved, this, [this](int pos) { emit Scroll(valueAt(pos)); });
}

int ScrollBar::position(int value) const { return std::abs(value - min_); }

int ScrollBar::valueAt(int pos) const { return max_ >= min_ ? min_ + pos : min_ - pos; }

void ScrollBar::SetMin(double min)
{
    min_ = wholeNumber(min);
    applyRange();
}

void ScrollBar::SetMax(double max)
{
    max_ = wholeNumber(max);
    applyRange();
}

void ScrollBar::SetValue(double value)
{
    const int v = wholeNumber(value);
    if (v < std::min(min_, max_) || v > std::max(min_, max_))
        invalidPropertyValue();
    setValue(position(v));   // positionChanged raises Change when it moved
}

void ScrollBar::SetLargeChange(double change)
{
    const int c = wholeNumber(change);
    if (c < 1)
        invalidPropertyValue();
    largeChange_ = c;
    setPageStep(c);
}

void ScrollBar::SetSmallChange(double change)
{
    const int c = wholeNumber(change);
    if (c < 1)
        invalidPropertyValue();
    smallChange_ = c;
    setSingleStep(c);
}

void ScrollBar::applyRange()
{
    const int kept = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    applying_ = true;
    setRange(0, std::abs(max_ - min_));
    setValue(position(kept));
    applying_ = false;
    if (kept != value_) {
        value_ = kept;
        emit Change(value_);
    }
}

void ScrollBar::positionChanged(int pos)
{
    if (applying_)
        return;   // the range is being changed: applyRange reports the outcome
    const int v = valueAt(pos);
    if (v == value_)
        return;
    value_ = v;
    emit Change(value_);
}

} // namespace core
