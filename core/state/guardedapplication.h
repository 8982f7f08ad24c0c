#pragma once
// The program's application object, with the top-level guard. Every handler stops its own
// errors (core/state/connecthandler.h), so an exception reaching notify() has come through
// Qt's own frames, which Qt builds without exception cleanups: what Qt was doing on the way is
// left half done, and nothing tells how far. The guard reports the error (modal, so that it is
// read: "Error Code : " + its source, or "Hotel" when it has none) and then ends the program's
// event loop with a failure status, so the program ends through its normal exit path instead
// of working on in a state nobody knows.
#include <QApplication>

namespace core {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // True once the guard has met an error: an event loop not yet running when it did (the
    // start-up's) must not be started.
    bool EndedByError() const { return endedByError_; }

private:
    bool endedByError_ = false;
};

} // namespace core
