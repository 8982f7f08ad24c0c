#pragma once
// The program's application object, with the top-level guard: an error that no handler
// caught and that escapes a slot or an event handler is reported through the error report
// (modeless, "Error Code : " + its source, or "Hotel" when it has none) and the event loop
// goes on, so no error thrown in a slot ends the program.
#include <QApplication>

namespace core {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Reports the exception being handled (call it from inside a catch block) as the guard does.
void ReportUncaughtError();

} // namespace core
