// Start-up time of the Hotel program to its drawn main window, against an empty Qt MDI
// window, each measured as a whole process (start, libraries, Qt) run offscreen: the time
// from starting the process to its line "drawn", written once its window has painted.
// Prints both medians and their ratio (the goal is at most 1.5).
//
//   bench_startup [runs]          runs of each, alternating (default 15)
#include "startupruns.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

namespace {

const char *EmptyRole = "--empty";

int runEmpty(QApplication &app)
{
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    window.resize(800, 600);
    window.show();
    return bench::ReportDrawnAndQuit(app, &window);
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
    if (argc == 2 && qstrcmp(argv[1], bench::HotelRole) == 0) {
        QApplication app(argc, argv);
        return bench::RunHotelUntilDrawn(app);
    }
    if (argc == 2 && qstrcmp(argv[1], EmptyRole) == 0) {
        QApplication app(argc, argv);
        return runEmpty(app);
    }

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    QTemporaryDir folder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!folder.isValid() || !bench::PrepareProgramFolder(folder.path(), QString(), env)) {
        std::fprintf(stderr, "cannot prepare a program folder\n");
        return 1;
    }

    bench::MillisToDrawn(EmptyRole, env);   // warm the file cache for both
    bench::MillisToDrawn(bench::HotelRole, env);
    std::vector<double> hotel, empty;
    for (int i = 0; i < runs; ++i) {
        empty.push_back(bench::MillisToDrawn(EmptyRole, env));
        hotel.push_back(bench::MillisToDrawn(bench::HotelRole, env));
        if (empty.back() < 0 || hotel.back() < 0) {
            std::fprintf(stderr, "a run did not draw its window\n");
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
