#include "core/mainwindow/capslockwatch.h"

#include "core/state/connecthandler.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace core {

CapsLockWatch::CapsLockWatch(QObject *parent, std::function<void(bool)> changed)
    : QObject(parent), changed_(std::move(changed))
{
    QCoreApplication::instance()->installEventFilter(this);
}

// Each key press reaches its window once, then goes on to the widgets (and their parents, as
// long as none takes it): only the window's delivery counts.
bool CapsLockWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWindowType())
        RunGuarded([&] { seen(*static_cast<QKeyEvent *>(event)); });
    return QObject::eventFilter(watched, event);
}

void CapsLockWatch::seen(const QKeyEvent &key)
{
    bool on = on_;
    if (key.key() == Qt::Key_CapsLock) {
        on = !on_;
    } else if (key.text().size() == 1 && key.text().at(0).isLetter()
               && key.text().at(0).isUpper() != key.text().at(0).isLower()) {
        const bool shift = key.modifiers().testFlag(Qt::ShiftModifier);
        on = key.text().at(0).isUpper() != shift;
    }
    if (on != on_) {
        on_ = on;
        changed_(on_);
    }
}

} // namespace core
