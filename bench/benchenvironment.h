#pragma once
// What the window benchmarks share: an offscreen application with the test fixture's
// environment in a temporary folder, the timings of benchtiming.h, timings that last until a
// widget has painted, and the process's memory.
#include "benchtiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <malloc.h>

namespace bench {

// Offscreen unless a platform is asked for. Call before the application is made.
inline void UseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A private registry and scratch folder; the program folder beside the benchmark.
inline void PrepareEnvironment(const QTemporaryDir &scratch)
{
    qputenv("HOTEL_TEST_SCRATCH", scratch.path().toLocal8Bit());
    qputenv("HOTEL_REGISTRY_DIR", (scratch.path() + QStringLiteral("/registry")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("HOTEL_PROGRAM_DIR"))
        qputenv("HOTEL_PROGRAM_DIR", QCoreApplication::applicationDirPath().toLocal8Bit());
}

// What every window benchmark's main makes first: the offscreen application, then the
// fixture's environment in a temporary folder that goes with it.
class WindowBenchmark {
public:
    WindowBenchmark(int &argc, char **argv) : platform_((UseOffscreenPlatform(), true)), app_(argc, argv)
    {
        PrepareEnvironment(scratch_);
    }
    // The temporary folder, for the benchmark's own files.
    const QTemporaryDir &scratch() const { return scratch_; }

private:
    bool platform_;
    QApplication app_;
    QTemporaryDir scratch_;
};

// Sees a widget's paint events.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *widget) : widget_(widget) { widget->installEventFilter(this); }
    ~PaintWatch() override
    {
        if (widget_)
            widget_->removeEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }

private:
    QPointer<QWidget> widget_;
};

// One timing of `work` and of the events after it, until `widget` has painted (what a clerk
// waits for), in milliseconds; -1 when nothing was painted within 20 s. `widget` is asked
// for once `work` has run, so that work may create it.
inline double MillisUntilPainted(const std::function<QWidget *()> &widget, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QWidget *target = widget();
    PaintWatch watch(target);
    target->update();
    while (!watch.painted) {
        if (timer.elapsed() > 20000)
            return -1;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return timer.nsecsElapsed() / 1e6;
}

// The process's resident memory, now and at its peak since the last ResetPeakMemory, in MiB.
inline double MemoryMiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}
inline double ResidentMiB() { return MemoryMiB("VmRSS:"); }
inline double PeakMiB() { return MemoryMiB("VmHWM:"); }
// The bytes the process's allocator has handed out and not taken back: what the program holds,
// whatever the allocator keeps from earlier work.
inline double HeldMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

inline void ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace bench
