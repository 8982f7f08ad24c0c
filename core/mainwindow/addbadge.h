#pragma once
// The green disc with a white plus that marks "new" on the pictures the windows draw for
// themselves (the new account, the new booking, the new order).
#include <QPointF>

class QPainter;

namespace core {

// Draws the disc of `diameter` around `centre`, its plus arms `armLength` long and
// `armWidth` thick. Leaves the painter without a pen and with a white brush.
void DrawAddBadge(QPainter &p, QPointF centre, qreal diameter, qreal armLength, qreal armWidth);

} // namespace core
