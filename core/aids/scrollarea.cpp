#include "core/aids/scrollarea.h"

#include "core/aids/scrollbar.h"
#include "core/state/connecthandler.h"
#include "ui/form.h"
#include "ui/twips.h"

#include <QFrame>
#include <QVBoxLayout>

namespace core {

ScrollArea BuildScrollArea(ui::Form &frm, int contentWidth, int contentHeight)
{
    ScrollArea area;
    area.PicOuter = new QFrame(&frm);
    area.PicOuter->setObjectName(QStringLiteral("PicOuter"));
    area.PicOuter->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    // PicInner lives in a borderless viewport filling PicOuter's inside, so that content
    // scrolled off to the left or top is clipped at the border instead of painting over it.
    auto *viewport = new QWidget(area.PicOuter);
    auto *fill = new QVBoxLayout(area.PicOuter);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(viewport);

    area.PicInner = new QWidget(viewport);
    area.PicInner->setObjectName(QStringLiteral("PicInner"));
    area.PicInner->setGeometry(0, 0, ui::TwipsToPixelsX(contentWidth), ui::TwipsToPixelsY(contentHeight));

    area.HBar = new ScrollBar(Qt::Horizontal, &frm);
    area.HBar->setObjectName(QStringLiteral("HBar"));
    area.HBar->resize(area.HBar->sizeHint());
    area.HBar->hide();
    area.VBar = new ScrollBar(Qt::Vertical, &frm);
    area.VBar->setObjectName(QStringLiteral("VBar"));
    area.VBar->resize(area.VBar->sizeHint());
    area.VBar->hide();

    QWidget *inner = area.PicInner;
    core::ConnectHandler(area.HBar, &ScrollBar::Change, inner, [inner](int value) {
        SetInnerPosition(inner, {value, InnerPosition(inner).y()});
    });
    core::ConnectHandler(area.VBar, &ScrollBar::Change, inner, [inner](int value) {
        SetInnerPosition(inner, {InnerPosition(inner).x(), value});
    });
    return area;
}

QPoint InnerPosition(const QWidget *picInner)
{
    return {ui::PixelsToTwipsX(picInner->x()), ui::PixelsToTwipsY(picInner->y())};
}

void SetInnerPosition(QWidget *picInner, QPoint twips)
{
    picInner->move(ui::TwipsToPixelsX(twips.x()), ui::TwipsToPixelsY(twips.y()));
}

} // namespace core
