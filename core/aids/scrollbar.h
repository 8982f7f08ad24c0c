#pragma once
// A scroll bar that takes its numbers the way the windows give them: Min, Max, Value,
// LargeChange and SmallChange are 16-bit whole numbers, and Min may be greater than Max (the
// scrollable areas run from 0 down to a negative Max). The thumb at the left or top end
// always stands for Min and at the right or bottom end for Max; underneath, Qt's bar runs
// over the equivalent range 0 to |Max - Min|.
//
// Assigning a number outside -32768..32767 raises an Overflow error (6); a Value outside the
// range, or a LargeChange or SmallChange below 1, raises "Invalid property value" (380).
// Nothing is assigned then.
#include <QScrollBar>

namespace core {

class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    int LargeChange() const { return largeChange_; }
    int SmallChange() const { return smallChange_; }

    // A new Min or Max brings Value into the new range (Change follows when it moves).
    void SetMin(double min);
    void SetMax(double max);
    void SetValue(double value);
    void SetLargeChange(double change);
    void SetSmallChange(double change);

signals:
    // Value changed, by the user or in code.
    void Change(int value);
    // The user drags the thumb (Change follows for each new value).
    void Scroll(int value);

private:
    // The bar's position for a value, and back: 0 at Min's end.
    int position(int value) const;
    int valueAt(int position) const;
    void applyRange();
    void positionChanged(int position);

    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int largeChange_ = 1;
    int smallChange_ = 1;
    bool applying_ = false;
};

} // namespace core
