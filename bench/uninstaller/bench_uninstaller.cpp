// The uninstaller's long steps on a private machine, each beside its floor from the same run:
// - N registry keys removed by a silent run, against reading the registry store once and
//   writing the store that is left once (the least any removal must do);
// - N shared-file counters counted down by a silent run, against the same floor;
// - the product's program looked for in a 32 KB and a 64 KB command line (goal: under 0.1 s;
//   no floor).
#include "runandwait.h"
#include "uninstallrun.h"

#include "registry/registry.h"

#include "benchtiming.h"
#include "uninstaller/support/uninstdatabuilder.h"
#include "uninstaller/support/uninstscratch.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

using namespace uninst;
using namespace uninsttest;

namespace {

const QString sharedKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs");

// Reads the local machine's store and writes the given bytes as the store that is left.
double storeFloor(const QByteArray &leftStore)
{
    const QString path = reg::RegistryDirectory() + QStringLiteral("/HKEY_LOCAL_MACHINE.json");
    return bench::Millis([&] {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            qFatal("no store");
        const QByteArray all = in.readAll();
        QSaveFile out(path + QStringLiteral(".floor"));
        if (!out.open(QIODevice::WriteOnly) || out.write(leftStore) != leftStore.size() || !out.commit() || all.isEmpty())
            qFatal("floor write failed");
    });
}

QByteArray storeBytes()
{
    QFile file(reg::RegistryDirectory() + QStringLiteral("/HKEY_LOCAL_MACHINE.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Figure {
    double millis = 0, floor = 0;
};

// A silent run of `data` on `machine`, and its floor (measured after the run, on the store as
// it was before the run, writing the store the run left).
Figure timedRun(const Scratch &machine, const TestData &data)
{
    const QByteArray before = storeBytes();
    const QString own = machine.local(QStringLiteral("C:\\Program Files\\Brevant\\uninst.exe"));
    machine.write(QStringLiteral("C:\\Program Files\\Brevant\\uninst.exe"), Attach("MZ", data.wrapped()));
    Figure figure;
    figure.millis = bench::Millis([&] {
        UninstallRun run(own, own + QStringLiteral(" /SILENT"));
        if (run.start() != std::optional<int>(1))
            qFatal("the silent run failed");
    });
    const QByteArray after = storeBytes();
    QFile restore(reg::RegistryDirectory() + QStringLiteral("/HKEY_LOCAL_MACHINE.json"));
    if (!restore.open(QIODevice::WriteOnly) || restore.write(before) != before.size())
        qFatal("restore failed");
    restore.close();
    figure.floor = storeFloor(after);
    return figure;
}

Figure registryKeys(int count)
{
    Scratch machine;
    TestData data;
    data.header = false;   // silent
    RegNode product;
    {
        const reg::Batch batch;
        for (int i = 0; i < count; ++i) {
            const QByteArray name = "Key" + QByteArray::number(i);
            SetRegistryText(2, QStringLiteral("Software\\Brevant\\") + QString::fromLatin1(name), QStringLiteral("Path"),
                            QStringLiteral("C:\\Brevant"));
            product.subkey(name, 1 | 4);
        }
    }
    data.roots[2].subkey("Software", 0, RegNode().subkey("Brevant", 1 | 4, product));
    return timedRun(machine, data);
}

Figure sharedCounters(int count)
{
    Scratch machine;
    TestData data;
    data.header = false;
    data.registry = false;
    {
        const reg::Batch batch;
        for (int i = 0; i < count; ++i) {
            const QString file = QStringLiteral("C:\\Windows\\System32\\lib%1.dll").arg(i);
            SetRegistryNumber(2, sharedKey, file, 2);   // still used elsewhere: counted down
            data.shared.append(file.toLatin1());
        }
    }
    return timedRun(machine, data);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    std::printf("%-34s %12s %12s %8s %s\n", "figure", "measured ms", "floor ms", "ratio", "goal");
    for (int keys : {count / 4, count / 2, count}) {
        const Figure figure = registryKeys(keys);
        std::printf("registry keys removed: %-11d %12.1f %12.1f %8.1f %s\n", keys, figure.millis, figure.floor,
                    figure.millis / figure.floor, keys == count ? "under 2000 ms" : "");
    }
    for (int counters : {count / 4, count / 2, count}) {
        const Figure figure = sharedCounters(counters);
        std::printf("shared counters counted: %-9d %12.1f %12.1f %8.1f %s\n", counters, figure.millis, figure.floor,
                    figure.millis / figure.floor, counters == count ? "under 2000 ms" : "");
    }
    // Blanks everywhere: every one ends a prefix that could name the program.
    for (int kilobytes : {32, 64}) {
        const QString commandLine = QStringLiteral("C:\\Program Files\\Brevant\\clean")
                                    + QStringLiteral(" x").repeated(kilobytes * 512 - 16);
        const double search = bench::MedianMillis(5, [&] { FindCommandProgram(commandLine); });
        std::printf("%2d KB command line answered %18.2f %12s %8s %s\n", kilobytes, search, "-", "-", "under 100 ms");
    }
    return 0;
}
