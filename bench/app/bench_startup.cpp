// Start-up time of the Hotel program to its shown main window, against an empty Qt MDI
// window, each measured as a whole process (start, libraries, Qt) run offscreen: the time
// from starting the process to its line "shown", written once its window has been shown
// and the first events after that have run. Prints both medians and their ratio (the goal
// is at most 1.5).
//
//   bench_startup [runs]          runs of each, alternating (default 15)
#include "core/mainwindow/load_frms.h"
#include "app/startup.h"
#include "schema/schema.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

const char *HotelRole = "--hotel";
const char *EmptyRole = "--empty";

// Once the event loop has run the window's first events.
int reportShownAndQuit(QApplication &app)
{
    QTimer::singleShot(0, &app, [] {
        std::printf("shown\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}

// What the Hotel program's main does.
int runHotel(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Brevant"));
    app::RegisterProgramWindows();
    core::Main();
    if (core::ProgramEnded())
        return 1;
    return reportShownAndQuit(app);
}

int runEmpty(QApplication &app)
{
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    window.resize(800, 600);
    window.show();
    return reportShownAndQuit(app);
}

// A program folder as the set-up makes it: data.mdb, config.ini, the settings component
// registered in a registry of its own.
bool prepareProgramFolder(const QString &folder, QProcessEnvironment &env)
{
    schema::MakeDefaultDatabase(folder + QStringLiteral("/data.mdb"));
    QFile config(folder + QStringLiteral("/config.ini"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write("[settings]\r\ndb=\r\ndbkey=\r\nuseSQL=0\r\n");
    config.close();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOTEL_PROGRAM_DIR"), folder);
    env.insert(QStringLiteral("HOTEL_REGISTRY_DIR"), folder + QStringLiteral("/registry"));
    QProcess regsvr;
    regsvr.setProcessEnvironment(env);
    regsvr.start(QStringLiteral(HOTEL_PROGRAM_BIN "/regsvr"),
                 {QStringLiteral("/s"), QStringLiteral(HOTEL_PROGRAM_BIN "/libTarvolinkINI.so")});
    return regsvr.waitForFinished() && regsvr.exitCode() == 0;
}

// Milliseconds from the start of the process to its "shown"; -1 when it never said so.
double timeToShown(const char *role, const QProcessEnvironment &env)
{
    QProcess copy;
    copy.setProcessEnvironment(env);
    copy.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    copy.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(role)});
    double shownAt = -1;
    while (copy.waitForReadyRead(30000)) {
        if (copy.readAll().contains("shown")) {
            shownAt = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            break;
        }
    }
    copy.waitForFinished(30000);
    return shownAt;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], HotelRole) == 0) {
        QApplication app(argc, argv);
        return runHotel(app);
    }
    if (argc == 2 && qstrcmp(argv[1], EmptyRole) == 0) {
        QApplication app(argc, argv);
        return runEmpty(app);
    }

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    QTemporaryDir folder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!folder.isValid() || !prepareProgramFolder(folder.path(), env)) {
        std::fprintf(stderr, "cannot prepare a program folder\n");
        return 1;
    }

    timeToShown(EmptyRole, env);   // warm the file cache for both
    timeToShown(HotelRole, env);
    std::vector<double> hotel, empty;
    for (int i = 0; i < runs; ++i) {
        empty.push_back(timeToShown(EmptyRole, env));
        hotel.push_back(timeToShown(HotelRole, env));
        if (empty.back() < 0 || hotel.back() < 0) {
            std::fprintf(stderr, "a run did not show its window\n");
            return 1;
        }
    }
    const double h = median(hotel);
    const double e = median(empty);
    std::printf("runs: %d of each (offscreen)\n", runs);
    std::printf("empty MDI window: median %.1f ms (min %.1f)\n", e, *std::min_element(empty.begin(), empty.end()));
    std::printf("Hotel main window: median %.1f ms (min %.1f)\n", h, *std::min_element(hotel.begin(), hotel.end()));
    std::printf("ratio: %.2f (goal at most 1.5)\n", h / e);
    return 0;
}
