#include "core/ui/cballoontooltip.h"

#include "core/state/appstate.h"
#include "ui/vbcolor.h"
#include "vb/error.h"

namespace core {

namespace {
CBalloonToolTip::Shown &lastShown()
{
    static CBalloonToolTip::Shown shown;
    return shown;
}

QColor colorOf(int32_t value) { return ui::ColorFromVb(static_cast<uint32_t>(value)); }

// The platform packs the screen point into two 16-bit halves.
void checkPackable(const QPoint &p)
{
    if (p.x() < -32768 || p.x() > 65535 || p.y() < -32768 || p.y() > 32767)
        throw vb::Error::standard(vb::errOverflow);
}
} // namespace

CBalloonToolTip::CBalloonToolTip() = default;

CBalloonToolTip::~CBalloonToolTip() { Destroy(); }

void CBalloonToolTip::SetIcon(int32_t icon)
{
    icon_ = icon;
    updateTitle();
}

void CBalloonToolTip::SetTitle(const QString &title)
{
    title_ = title;
    updateTitle();
}

// A live balloon takes a new title only together with an icon; otherwise the old one stays
// until the balloon is created again.
void CBalloonToolTip::updateTitle()
{
    if (!window_ || title_.isEmpty() || icon_ == 0)
        return;
    window_->setTitle(title_);
    window_->setIcon(icon_);
}

void CBalloonToolTip::SetForeColor(int32_t color)
{
    foreColor_ = color;
    if (window_)
        window_->setTextColor(colorOf(color));
}

void CBalloonToolTip::SetBackColor(int32_t color)
{
    backColor_ = color;
    if (window_)
        window_->setBackgroundColor(colorOf(color));
}

void CBalloonToolTip::SetTipText(const QString &text)
{
    tipText_ = text;
    if (window_)
        window_->setText(text);
}

bool CBalloonToolTip::CreateToolTip(QWidget *parent)
{
    Destroy();
    parent_ = parent;
    auto *w = new controls::BalloonWindow(parent);
    w->setBalloon(style_ == 1);
    w->setCentered(centered_);
    // A tracking tip that is not centred lets clicks through to the box beneath.
    w->setTransparentForMouse(popupOnDemand_ && !centered_);
    w->setText(tipText_);
    if (!title_.isEmpty() || icon_ != 0) {
        // The platform shows no icon without a title.
        w->setTitle(title_);
        w->setIcon(title_.isEmpty() ? 0 : icon_);
    }
    if (foreColor_ != 0)
        w->setTextColor(colorOf(foreColor_));
    if (backColor_ != 0)
        w->setBackgroundColor(colorOf(backColor_));
    w->setAutoPopDelay(visibleTime_);
    w->setInitialDelay(delayTime_);
    if (!popupOnDemand_)
        w->setHoverTool(parent);
    window_ = w;
    return true;
}

void CBalloonToolTip::Show(int32_t x, int32_t y)
{
    QWidget *target = State().mTipTarget;
    if (!target)
        throw vb::Error(91, QStringLiteral("Object variable or With block variable not set"));
    const QPoint global = target->mapToGlobal(QPoint(x, y));
    checkPackable(global);
    if (!window_)
        return;
    window_->showAt(global);

    Shown &shown = lastShown();
    shown.title = window_->title();
    shown.text = window_->text();
    shown.icon = window_->icon();
    shown.target = target;
    shown.window = window_;
}

void CBalloonToolTip::Destroy()
{
    if (!window_)
        return;
    window_->hide();
    delete window_.data();
    window_ = nullptr;
}

const CBalloonToolTip::Shown &CBalloonToolTip::LastShown() { return lastShown(); }

void CBalloonToolTip::ClearLastShown() { lastShown() = Shown{}; }

} // namespace core
