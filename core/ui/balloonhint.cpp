#include "core/ui/balloonhint.h"

#include "core/state/appstate.h"
#include "core/ui/cballoontooltip.h"
#include "ui/twips.h"

#include <QWidget>
#include <cmath>

namespace core {

void ShowBalloonHint(CBalloonToolTip &tip, QWidget *box, const QString &title, const QString &text)
{
    State().mTipTarget = box;
    tip.Destroy();
    tip.SetStyle(1);
    tip.SetIcon(3);
    tip.SetTitle(title);
    tip.SetTipText(text);
    tip.SetPopupOnDemand(true);
    tip.CreateToolTip(box);
    // The box's height in twips over the horizontal twips per pixel, less one: its bottom row.
    const double heightTwips = box ? ui::PixelsToTwipsY(box->height()) : 0;
    const auto y = static_cast<int32_t>(std::nearbyint(heightTwips / ui::TwipsPerPixelX() - 1));
    tip.Show(0, y);
}

} // namespace core
