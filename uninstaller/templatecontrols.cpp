#include "templatecontrols.h"

#include "ui/dialogs.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace uninst {

LinkLabel::LinkLabel(const QString &text, const QString &target, QWidget *parent)
    : QLabel(text, parent), target_(target)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::setHighlighted(bool on)
{
    if (on == highlighted_)
        return;
    highlighted_ = on;
    if (on) {
        saved_ = palette();
        QPalette red = palette();
        red.setColor(QPalette::WindowText, QColor(0xFF, 0, 0));
        setPalette(red);
    } else {
        setPalette(saved_);
    }
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        ui::ShellOpen(target_);
    QLabel::mousePressEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    setHighlighted(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    setHighlighted(false);
    QLabel::leaveEvent(event);
}

int SkinCell(int stripWidth, int w, bool pressed, bool enabled, bool hot, bool focused)
{
    if (pressed)
        return 1;
    if (!enabled)
        return 2;
    if (hot && stripWidth > 3 * w + 3)
        return 3;
    if (focused && stripWidth > 4 * w + 4)
        return 4;
    return 0;
}

SkinButton::SkinButton(const QPixmap &strip, const QColor &textColour, QWidget *parent)
    : QPushButton(parent), strip_(strip), textColour_(textColour)
{
}

int SkinButton::currentCell() const
{
    return SkinCell(strip_.width(), width(), isDown(), isEnabled(), hot_, hasFocus());
}

bool SkinButton::drawsFocusRectangle() const
{
    return hasFocus() && !(strip_.width() > 4 * width() + 4);
}

void SkinButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width(), h = height();
    if (!strip_.isNull())
        painter.drawPixmap(QRect(0, 0, w, h), strip_, QRect(currentCell() * w, 0, w, h));
    const QString label = text().left(200);
    if (label.isEmpty())
        return;
    painter.setPen(isEnabled() ? textColour_ : QColor(0xA0, 0xA0, 0xA0));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, label);
    if (drawsFocusRectangle()) {
        QRect extent = painter.boundingRect(rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, label);
        extent.adjust(-3, -2, 3, 2);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = extent;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void SkinButton::enterEvent(QEnterEvent *event)
{
    hot_ = true;
    update();
    QPushButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent *event)
{
    hot_ = false;
    update();
    QPushButton::leaveEvent(event);
}

} // namespace uninst
