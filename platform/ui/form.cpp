#include "ui/form.h"

#include "ui/forms.h"
#include "ui/handlerguard.h"
#include "ui/qtformobject.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <utility>

namespace ui {

Form::Form(const QString &name, FormKind kind, QWidget *parent)
    : QWidget(parent, Qt::Window), kind_(kind)
{
    setObjectName(name);
}

Form::~Form() { Forms::forget(this); }

void Form::Load()
{
    if (loaded_ || unloading_)
        return;
    loaded_ = true;
    Forms::loaded(this);
    if (kind_ == FormKind::MdiChild)
        placeInMdiArea();
    QPointer<Form> self(this);
    loading_ = true;
    try {
        Form_Load();
    } catch (...) {
        if (self)
            loading_ = false;
        throw;
    }
    if (!self)
        return;
    loading_ = false;
    if (std::exchange(resizedWhileLoading_, false))
        resized();
    emit loaded();
}

void Form::placeInMdiArea()
{
    QMdiArea *area = MdiArea();
    if (!area)
        return;   // no main window: the child shows as a window of its own
    const QSize inner = size();
    auto *sub = new QMdiSubWindow;
    sub->setObjectName(objectName() + QStringLiteral("_frame"));
    sub->setWidget(this);
    area->addSubWindow(sub);
    sub->hide();
    // The frame takes the size the form was designed with.
    const QMargins m = sub->contentsMargins();
    sub->resize(inner + QSize(m.left() + m.right(), m.top() + m.bottom()));
    sub->installEventFilter(this);
    subWindow_ = sub;
}

void Form::Show(int mode)
{
    Load();
    if (!loaded_)
        return;   // unloaded by its own Form_Load
    QPointer<Form> self(this);
    const bool modal = mode == vbModal;
    if (modal && !subWindow_) {
        if (isVisible())
            QWidget::hide();   // the modality of a shown window cannot change
        setWindowModality(Qt::ApplicationModal);
    }
    QWidget *frame = Frame();
    const bool wasVisible = frame->isVisible();
    if (!wasVisible)
        keepInView();
    frame->show();
    if (subWindow_ && subWindow_->mdiArea())
        subWindow_->mdiArea()->setActiveSubWindow(subWindow_);
    if (wasVisible)
        frame->raise();   // an open window comes to the front
    frame->activateWindow();
    if (!modal)
        return;

    QEventLoop loop;
    connect(this, &Form::showEnded, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (self && loaded_ && isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (self && !subWindow_)
        setWindowModality(Qt::NonModal);
}

void Form::Hide() { Frame()->hide(); }

bool Form::Unload(int mode)
{
    if (!loaded_ || unloading_)
        return true;
    unloading_ = true;
    int cancel = 0;
    try {
        Form_QueryUnload(cancel, mode);
        if (cancel == 0)
            Form_Unload(cancel);
    } catch (...) {
        unloading_ = false;
        throw;
    }
    if (cancel != 0) {
        unloading_ = false;
        return false;
    }

    loaded_ = false;
    Forms::forget(this);
    Frame()->hide();
    emit showEnded();
    // Destroyed later: the handler that unloads its own window goes on running.
    if (subWindow_) {
        if (QMdiArea *area = subWindow_->mdiArea())
            area->removeSubWindow(subWindow_);
        subWindow_->deleteLater();
    } else {
        deleteLater();
    }
    emit unloaded();
    return true;
}

void Form::keepInView()
{
    QMdiArea *area = subWindow_ ? subWindow_->mdiArea() : nullptr;
    if (!area || subWindow_->isMaximized() || subWindow_->isMinimized())
        return;
    // Larger than the visible part of the client area (remembered from a larger main window):
    // made to fit it, as far as its content allows. Then, per axis, moved back inside the
    // visible part when it fits there, else to its start, so that the window's title bar and
    // top left part show.
    const auto fitted = [](int position, int size, int room) { return size > room ? 0 : qBound(0, position, room - size); };
    const QRect view = area->viewport()->rect();
    const QSize fits = subWindow_->size().boundedTo(view.size()).expandedTo(subWindow_->minimumSizeHint());
    if (fits != subWindow_->size())
        subWindow_->resize(fits);
    const QRect r = subWindow_->geometry();
    const QPoint inView(fitted(r.x(), r.width(), view.width()), fitted(r.y(), r.height(), view.height()));
    if (inView != r.topLeft())
        subWindow_->move(inView);
}

QWidget *Form::Frame() const
{
    if (subWindow_)
        return subWindow_.data();
    return const_cast<Form *>(this);
}

QRect Form::frameRect() const
{
    if (subWindow_)
        return subWindow_->geometry();
    if (pendingFrame_ && !isVisible())
        return *pendingFrame_;
    return frameGeometry();
}

void Form::setFrameRect(const QRect &r)
{
    if (subWindow_) {
        subWindow_->setGeometry(r);
        return;
    }
    // A window never shown has no border yet: the first show fits it in again.
    if (!testAttribute(Qt::WA_WState_Created) || !isVisible())
        pendingFrame_ = r;
    else
        pendingFrame_.reset();
    const QSize border = frameGeometry().size() - size();
    move(r.topLeft());
    resize((r.size() - border).expandedTo({0, 0}));
}

int Form::Left() const { return PixelsToTwipsX(frameRect().x()); }
int Form::Top() const { return PixelsToTwipsY(frameRect().y()); }
int Form::Width() const { return PixelsToTwipsX(frameRect().width()); }
int Form::Height() const { return PixelsToTwipsY(frameRect().height()); }
int Form::ScaleWidth() const { return PixelsToTwipsX(width()); }
int Form::ScaleHeight() const { return PixelsToTwipsY(height()); }

void Form::SetLeft(int twips) { Move(twips); }
void Form::SetTop(int twips) { Move(Left(), twips); }
void Form::SetWidth(int twips) { Move(Left(), Top(), twips); }
void Form::SetHeight(int twips) { Move(Left(), Top(), Width(), twips); }

void Form::Move(int left, std::optional<int> top, std::optional<int> width, std::optional<int> height)
{
    const QRect now = frameRect();
    const QRect r(TwipsToPixelsX(left), top ? TwipsToPixelsY(*top) : now.y(),
                  width ? TwipsToPixelsX(*width) : now.width(),
                  height ? TwipsToPixelsY(*height) : now.height());
    setFrameRect(r);
}

void Form::Move(int left, int top, int width, int height)
{
    Move(left, std::optional<int>(top), std::optional<int>(width), std::optional<int>(height));
}

const ScreenObject &Form::Screen() const
{
    static const QtScreenObject screen;
    return screen;
}

int Form::WindowState() const
{
    const QWidget *frame = Frame();
    if (frame->isMinimized())
        return vbMinimized;
    if (subWindow_ ? maximised_ : frame->isMaximized())
        return vbMaximized;
    return vbNormal;
}

void Form::SetWindowState(int state)
{
    QWidget *frame = Frame();
    Qt::WindowStates states = frame->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == vbMinimized)
        states |= Qt::WindowMinimized;
    else if (state == vbMaximized)
        states |= Qt::WindowMaximized;
    frame->setWindowState(states);
}

void Form::resized()
{
    if (!loaded_ || unloading_)
        return;
    if (loading_)
        resizedWhileLoading_ = true;
    else
        Form_Resize();
}

void Form::closeEvent(QCloseEvent *event)
{
    // An unload that failed leaves the window open, as a cancelled one does.
    bool closes = false;
    RunEventHandler([&] { closes = !loaded_ || unloading_ || Unload(vbFormControlMenu); });
    event->setAccepted(closes);
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyPendingFrame();
    RunEventHandler([this] { resized(); });
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !subWindow_)
        RunEventHandler([this] { resized(); });
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    applyPendingFrame();
}

// A window manager frames a window only after it is shown, and tells its border later still:
// the frame asked for before is applied once the border is known and the window is in its
// normal state (a window that starts maximised gets it when it is restored). Applied with the
// border unknown, the window would come back larger by its border at every start.
void Form::applyPendingFrame()
{
    if (!pendingFrame_ || subWindow_ || !isVisible() || isMaximized() || isMinimized() || isFullScreen())
        return;
    if ((frameGeometry().size() - size()).isEmpty())
        return;
    const QRect wanted = *pendingFrame_;
    pendingFrame_.reset();
    setFrameRect(wanted);
}

void Form::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    applyPendingFrame();
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit showEnded();
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    // The event first: a frame being destroyed still sends events, and is then no longer a
    // QMdiSubWindow that the pointer could be compared as.
    if (event->type() == QEvent::WindowStateChange && watched == subWindow_) {
        maximised_ = subWindow_->windowState().testFlag(Qt::WindowMaximized);
        RunEventHandler([this] { resized(); });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
