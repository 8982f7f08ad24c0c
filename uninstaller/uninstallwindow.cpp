#include "uninstallwindow.h"

#include "detailsdialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

namespace uninst {

UninstallWindow::UninstallWindow(const QString &productName, const LeftBehind *left,
                                 std::function<void()> offerReboot, std::function<void(int)> quit)
    : productName_(productName), left_(left), offerReboot_(std::move(offerReboot)), quit_(std::move(quit))
{
}

void UninstallWindow::showControl(uint32_t id)
{
    if (QWidget *widget = control(id))
        widget->show();
}

bool UninstallWindow::onInitDialog()
{
    for (uint32_t id : {MarkRights, MarkShared, MarkBackups, MarkFiles, MarkDirectories, MarkFinished, MarkLeftBehind})
        if (QWidget *widget = control(id))
            widget->hide();
    for (uint32_t id : {DetailsButton, CloseButton})
        if (QWidget *widget = control(id))
            widget->setEnabled(false);
    if (auto *greeting = qobject_cast<QLabel *>(control(Greeting))) {
        QString text = greeting->text();
        const qsizetype at = text.indexOf(QLatin1String("%s"));
        if (at >= 0)
            greeting->setText(text.replace(at, 2, productName_));
    }
    return true;
}

void UninstallWindow::finish()
{
    if (QWidget *closing = control(CloseButton)) {
        closing->setEnabled(true);
        if (auto *button = qobject_cast<QPushButton *>(closing))
            button->setDefault(true);
        closing->setFocus();
    }
    showControl(MarkFinished);
    if (left_->anything()) {
        if (QWidget *details = control(DetailsButton))
            details->setEnabled(true);
        showControl(MarkLeftBehind);
    }
}

bool UninstallWindow::onCommand(uint32_t id, int notification)
{
    if (notification != 0)
        return false;
    if (id == DetailsButton) {
        const auto text = [this](uint32_t controlId) {
            const auto *button = qobject_cast<QAbstractButton *>(control(controlId));
            return button ? button->text() : QString();
        };
        DetailsDialog dialog(*left_, text(CloseButton), text(DetailsButton), this);
        dialog.exec();
        return true;
    }
    if (id == CloseButton) {
        offerReboot_();
        hide();
        quit_(1);
        return true;
    }
    return false;
}

bool UninstallWindow::onClose()
{
    // At the end the quit ends the run at once; during the removal it ends the run as soon
    // as the last step is done, and the window stays until then to show the steps.
    offerReboot_();
    quit_(1);
    return true;
}

} // namespace uninst
