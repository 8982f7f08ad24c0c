#include "controls/balloonwindow.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

namespace controls {

namespace {
constexpr int kPadding = 8;
constexpr int kIconSize = 16;
constexpr int kIconGap = 6;
constexpr int kTitleGap = 4;
constexpr int kMaxTextWidth = 360;
constexpr int kStemHeight = 14;
constexpr int kStemBase = 14;
constexpr int kStemInset = 18;   // the stem's distance from the body's left edge
constexpr int kRadius = 8;

QStyle::StandardPixmap pixmapOf(int icon)
{
    switch (icon) {
    case BalloonWarning: return QStyle::SP_MessageBoxWarning;
    case BalloonError: return QStyle::SP_MessageBoxCritical;
    default: return QStyle::SP_MessageBoxInformation;
    }
}
} // namespace

// Where the parts of the balloon go, in window coordinates.
struct BalloonWindow::Layout {
    QSize size;     // whole window
    QRect body;
    QRect iconRect;
    QRect titleRect;
    QRect textRect;
};

BalloonWindow::BalloonWindow(QWidget *owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("BalloonWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QToolTip::font());
    popTimer_.setSingleShot(true);
    hoverTimer_.setSingleShot(true);
    connect(&popTimer_, &QTimer::timeout, this, [this] {
        hide();
        emit popped();
    });
    connect(&hoverTimer_, &QTimer::timeout, this, [this] {
        if (!hoverTool_)
            return;
        if (centered_)
            showAt(hoverTool_->mapToGlobal(QPoint(hoverTool_->width() / 2, hoverTool_->height())));
        else
            showAt(QCursor::pos() + QPoint(0, 20));
    });
}

void BalloonWindow::setTitle(const QString &title)
{
    title_ = title;
    relayout();
}

void BalloonWindow::setIcon(int icon)
{
    icon_ = (icon >= BalloonNoIcon && icon <= BalloonError) ? icon : BalloonNoIcon;
    relayout();
}

void BalloonWindow::setText(const QString &text)
{
    text_ = text;
    relayout();
}

void BalloonWindow::setTextColor(const QColor &color)
{
    textColor_ = color;
    update();
}

void BalloonWindow::setBackgroundColor(const QColor &color)
{
    backColor_ = color;
    update();
}

void BalloonWindow::setBalloon(bool balloon)
{
    balloon_ = balloon;
    relayout();
}

void BalloonWindow::setCentered(bool centered)
{
    centered_ = centered;
    relayout();
}

void BalloonWindow::setTransparentForMouse(bool transparent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, transparent);
}

BalloonWindow::Layout BalloonWindow::layout() const
{
    Layout l;
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics titleMetrics(bold);
    const QFontMetrics textMetrics(font());

    const bool header = !title_.isEmpty() || icon_ != BalloonNoIcon;
    const int iconWidth = icon_ != BalloonNoIcon ? kIconSize + kIconGap : 0;
    const QSize titleSize = title_.isEmpty() ? QSize()
                                             : titleMetrics.size(Qt::TextSingleLine, title_);
    const int headerHeight = header ? qMax(icon_ != BalloonNoIcon ? kIconSize : 0, titleSize.height()) : 0;
    const QRect textBounds =
        text_.isEmpty() ? QRect()
                        : textMetrics.boundingRect(QRect(0, 0, kMaxTextWidth, 100000),
                                                   Qt::TextWordWrap | Qt::AlignLeft, text_);

    const int contentWidth = qMax(iconWidth + titleSize.width(), textBounds.width());
    const int textTop = header ? headerHeight + (text_.isEmpty() ? 0 : kTitleGap) : 0;
    const int bodyWidth = contentWidth + 2 * kPadding;
    const int bodyHeight = textTop + textBounds.height() + 2 * kPadding;
    const int stem = balloon_ ? kStemHeight : 0;

    l.size = QSize(bodyWidth, bodyHeight + stem);
    l.body = QRect(0, pointsUp_ ? stem : 0, bodyWidth, bodyHeight);
    const QPoint origin = l.body.topLeft() + QPoint(kPadding, kPadding);
    if (icon_ != BalloonNoIcon)
        l.iconRect = QRect(origin + QPoint(0, (headerHeight - kIconSize) / 2), QSize(kIconSize, kIconSize));
    if (!title_.isEmpty())
        l.titleRect = QRect(origin + QPoint(iconWidth, (headerHeight - titleSize.height()) / 2), titleSize);
    if (!text_.isEmpty())
        l.textRect = QRect(origin + QPoint(0, textTop), QSize(contentWidth, textBounds.height()));
    return l;
}

void BalloonWindow::relayout()
{
    QScreen *screen = QGuiApplication::screenAt(anchor_);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 100000, 100000);

    // The body hangs below the point unless the screen ends there.
    pointsUp_ = true;
    QSize size = layout().size;
    int y = anchor_.y();
    if (y + size.height() > area.bottom() + 1 && anchor_.y() - size.height() >= area.top()) {
        pointsUp_ = false;
        y = anchor_.y() - size.height();
    }
    const Layout l = layout();
    size = l.size;

    const int tipOffset = centered_ ? size.width() / 2 : (balloon_ ? kStemInset : 0);
    int x = anchor_.x() - tipOffset;
    if (x + size.width() > area.right() + 1)
        x = area.right() + 1 - size.width();
    if (x < area.left())
        x = area.left();
    stemX_ = qBound(kRadius, anchor_.x() - x, qMax(kRadius, size.width() - kRadius));

    setGeometry(QRect(QPoint(x, y), size));
    if (balloon_)
        setMask(QRegion(outline(l.body, stemX_).toFillPolygon().toPolygon()));
    else
        clearMask();
    update();
}

QPainterPath BalloonWindow::outline(const QRect &body, int stemX) const
{
    QPainterPath path;
    if (!balloon_) {
        path.addRect(QRectF(body));
        return path;
    }
    path.addRoundedRect(QRectF(body), kRadius, kRadius);
    // The stem leans away from the nearer side so that it stays on the body.
    const bool leanLeft = stemX + kStemBase > body.right() - kRadius;
    const int baseA = leanLeft ? stemX - kStemBase : stemX;
    const int baseB = leanLeft ? stemX : stemX + kStemBase;
    const int edge = pointsUp_ ? body.top() + 1 : body.bottom();
    const int tip = pointsUp_ ? 0 : body.bottom() + kStemHeight + 1;
    QPainterPath stem;
    stem.moveTo(stemX, tip);
    stem.lineTo(baseB, edge);
    stem.lineTo(baseA, edge);
    stem.closeSubpath();
    return path.united(stem);
}

void BalloonWindow::showAt(const QPoint &globalPoint)
{
    anchor_ = globalPoint;
    if (text_.isEmpty()) {
        hide();   // as the platform's tooltip, a tip without text does not show
        return;
    }
    relayout();
    show();
    if (autoPop_ > 0)
        popTimer_.start(autoPop_);
    else
        popTimer_.stop();
}

void BalloonWindow::setHoverTool(QWidget *tool)
{
    if (hoverTool_)
        hoverTool_->removeEventFilter(this);
    hoverTool_ = tool;
    if (tool)
        tool->installEventFilter(this);
}

bool BalloonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == hoverTool_) {
        switch (event->type()) {
        case QEvent::Enter:
            hoverTimer_.start(qMax(0, initialDelay_));
            break;
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::Hide:
            hoverTimer_.stop();
            hide();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BalloonWindow::paintEvent(QPaintEvent *)
{
    const Layout l = layout();
    const QColor back = backColor_.isValid() ? backColor_ : palette().color(QPalette::ToolTipBase);
    const QColor fore = textColor_.isValid() ? textColor_ : palette().color(QPalette::ToolTipText);

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = outline(l.body, stemX_);
    p.fillPath(path, back);
    p.setPen(QPen(palette().color(QPalette::Shadow), 1));
    p.drawPath(path);

    if (icon_ != BalloonNoIcon)
        p.drawPixmap(l.iconRect, style()->standardIcon(pixmapOf(icon_)).pixmap(kIconSize, kIconSize));
    p.setPen(fore);
    if (!title_.isEmpty()) {
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        p.drawText(l.titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title_);
        p.setFont(font());
    }
    if (!text_.isEmpty())
        p.drawText(l.textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

} // namespace controls
