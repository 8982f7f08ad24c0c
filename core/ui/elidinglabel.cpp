#include "core/ui/elidinglabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace core {

ElidingLabel::ElidingLabel(QWidget *parent, int widest) : QLabel(parent), widest_(widest)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void ElidingLabel::setWidest(int widest)
{
    widest_ = widest;
    updateGeometry();
}

QString ElidingLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(0, contentsRect().width() - 2 * margin()));
}

QSize ElidingLabel::sizeHint() const
{
    QSize hint = QLabel::sizeHint();
    if (widest_ > 0)
        hint.setWidth(std::min(hint.width(), widest_));
    return hint;
}

QSize ElidingLabel::minimumSizeHint() const
{
    const QMargins around = contentsMargins();
    const int ellipsis = fontMetrics().horizontalAdvance(QStringLiteral("…")) + 2 * margin();
    return {std::min(sizeHint().width(), ellipsis + around.left() + around.right()), QLabel::minimumSizeHint().height()};
}

bool ElidingLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (shownText() != text())
            QToolTip::showText(help->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ElidingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect inside = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, inside, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), shownText(), foregroundRole());
}

} // namespace core
