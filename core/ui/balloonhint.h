#pragma once
// The check sequence every window runs when a field fails: the balloon points at the lower
// left corner of the offending box, with the error icon, the window's title and the hint.
// Clicking into or changing such a field only calls tip.Destroy().
#include <QString>

class QWidget;

namespace core {

class CBalloonToolTip;

// Sets mTipTarget to `box`, replaces any earlier balloon of `tip` and shows the new one.
// Focus stays where it is: the windows that move it there do so themselves.
void ShowBalloonHint(CBalloonToolTip &tip, QWidget *box, const QString &title, const QString &text);

} // namespace core
