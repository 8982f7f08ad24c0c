#pragma once
// What the window benchmarks share: the test fixture's environment in a temporary folder, and
// the median of a run of timings.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

// A private registry and scratch folder; the program folder beside the benchmark.
inline void PrepareEnvironment(const QTemporaryDir &scratch)
{
    qputenv("HOTEL_TEST_SCRATCH", scratch.path().toLocal8Bit());
    qputenv("HOTEL_REGISTRY_DIR", (scratch.path() + QStringLiteral("/registry")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("HOTEL_PROGRAM_DIR"))
        qputenv("HOTEL_PROGRAM_DIR", QCoreApplication::applicationDirPath().toLocal8Bit());
}

// The median of `runs` timings of `work`, in milliseconds.
inline double MedianMillis(int runs, const std::function<void()> &work)
{
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    return millis[millis.size() / 2];
}

} // namespace bench
