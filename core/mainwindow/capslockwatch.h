#pragma once
#include <QObject>

#include <functional>

class QKeyEvent;

namespace core {

// Caps Lock as the program's key events show it: the Caps Lock key toggles it, and a typed
// letter tells it for sure (a capital without Shift, or a small letter with it, means on).
class CapsLockWatch : public QObject {
public:
    // Calls `changed` whenever the state seen changes; it starts as off.
    CapsLockWatch(QObject *parent, std::function<void(bool)> changed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void seen(const QKeyEvent &key);

    std::function<void(bool)> changed_;
    bool on_ = false;
};

} // namespace core
