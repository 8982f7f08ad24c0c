#include "ui/qtprogress.h"

#include <QApplication>
#include <QProgressDialog>
#include <algorithm>

namespace ui {

namespace {
// The bar counts in thousandths: the work's steps may pass what an int holds.
constexpr int kBarSteps = 1000;
} // namespace

QtProgress::QtProgress(const ProgressRequest &request) : request_(request) { clock_.start(); }

QtProgress::~QtProgress() { delete window_.data(); }

void QtProgress::show()
{
    QWidget *owner = request_.owner ? request_.owner : QApplication::activeWindow();
    window_ = new QProgressDialog(request_.label, QProgressDialog::tr("Cancel"), 0,
                                  request_.total > 0 ? kBarSteps : 0, owner);
    window_->setWindowTitle(request_.title);
    window_->setWindowModality(Qt::ApplicationModal);
    window_->setAutoReset(false);
    window_->setAutoClose(false);
    window_->setMinimumDuration(0);
    window_->show();
    shown_ = true;
}

bool QtProgress::advance(qint64 done)
{
    const qint64 now = clock_.elapsed();
    if (stopped_ || now - lastEvents_ < kEventsEveryMs || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return !stopped_;
    lastEvents_ = now;
    if (!shown_ && now >= kShowAfterMs)
        show();
    if (!shown_) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    if (window_ && request_.total > 0)
        window_->setValue(static_cast<int>(std::clamp<qint64>(done, 0, request_.total) * kBarSteps / request_.total));
    QCoreApplication::processEvents();
    // A window closed by other means than its button (its owner gone) stops the work too.
    stopped_ = !window_ || window_->wasCanceled();
    return !stopped_;
}

} // namespace ui
