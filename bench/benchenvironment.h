#pragma once
// What the window benchmarks share: an offscreen application with the test fixture's
// environment in a temporary folder, and the median of a run of timings.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <vector>

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

// One timing of `work`, in milliseconds.
inline double Millis(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of `runs` timings of `work`, in milliseconds.
inline double MedianMillis(int runs, const std::function<void()> &work)
{
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run)
        millis.push_back(Millis(work));
    return Median(std::move(millis));
}

} // namespace bench
