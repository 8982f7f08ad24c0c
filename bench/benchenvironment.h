#pragma once
// What the window benchmarks share: an offscreen application with the test fixture's
// environment in a temporary folder, and the timings of benchtiming.h.
#include "benchtiming.h"

#include <QApplication>
#include <QTemporaryDir>

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

} // namespace bench
