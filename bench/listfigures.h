#pragma once
// The figures of the guest lists, each beside its floor from the same run: the list opened
// (made, loaded and shown) and refreshed until painted, against a walk of the same rows on a
// connection opened and keyed before the clock; the peak memory of the open; the export
// against the walk and the writing of the same bytes to disk; the log viewer opened and
// filled again.
#include "benchenvironment.h"
#include "rawdb.h"

#include "backoffice/log/frmlog.h"
#include "controls/reportlist.h"
#include "frontdesk/guests/customerlistwindow.h"
#include "ui/dialogs.h"
#include "ui/forms.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace bench {

constexpr int Runs = 5;

// A first read decrypts every page of the rows into the connection's cache; later reads find
// them there. The floor of a list's first open is the median of such first reads, each on a
// connection of its own opened and keyed before the clock.
inline double FirstReadMillis(const QString &path, const QString &sql)
{
    return MedianOf(Runs, [&] {
        const RawDatabase fresh(path);
        return Millis([&] { fresh.walk(sql); });
    });
}

inline QWidget *viewportOf(controls::ReportList *list) { return list->viewport(); }

// The list opened (made, loaded and shown, as the main window opens it) and refreshed.
template <class Window>
Window &GuestList(const bench::RawDatabase &raw, const QString &path, const QString &table, const char *name)
{
    const QString all = QStringLiteral("SELECT * FROM ") + table;
    const double floor = MedianOf(Runs, [&] { return bench::Millis([&] { raw.walk(all); }); });
    const double firstFloor = FirstReadMillis(path, all);
    bench::ResetPeakMemory();
    const double before = bench::ResidentMiB();
    const double heldBefore = bench::HeldMiB();
    Window *opened = nullptr;
    const double first = bench::MillisUntilPainted([&] { return viewportOf(opened->customerList); }, [&] {
        opened = &ui::Forms::Get<Window>();
        opened->Show(ui::vbModeless);
    });
    Window &frm = *opened;
    const double perGuest = (bench::PeakMiB() - before) * 1024 * 1024 / frm.customerList->count();
    const double heldPerGuest = (bench::HeldMiB() - heldBefore) * 1024 * 1024 / frm.customerList->count();
    const double refresh = MedianOf(Runs, [&] {
        return bench::MillisUntilPainted([&] { return viewportOf(frm.customerList); }, [&] { frm.Command1_Click(); });
    });
    std::printf("%s: %d guests listed\n", name, frm.customerList->count());
    Figure("  opened until painted (first open)", first, firstFloor, "at most 2, no slower than a refresh");
    Figure("  refreshed until painted", refresh, floor, "at most 2");
    // The peak counts only memory the process had never used before; what the open keeps
    // counts the allocator's own, also where it reuses memory an earlier list gave back.
    std::printf("  memory of the open: peak %.0f, kept %.0f bytes per guest above the program's own "
                "(goal: at most 1024)\n",
                perGuest, heldPerGuest);
    return frm;
}

// Writes `bytes` into a new file with the plain system calls, on to the disk (fdatasync), as the
// export's own file is before it takes its place.
inline void WriteToDisk(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    qint64 written = 0;
    while (fd >= 0 && written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n <= 0)
            break;
        written += n;
    }
    if (fd < 0 || written != bytes.size() || ::fdatasync(fd) != 0 || ::close(fd) != 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// The export of the list (a new file each time, as the floor's) against its floor from the same
// runs: the raw walk of the same rows plus writing the bytes of the exported file to disk; and
// the memory the first export adds at its peak.
inline void ExportList(frontdesk::CustomerListWindow &frm, const bench::RawDatabase &raw, const QString &table,
                       const QString &scratch)
{
    const QString path = scratch + QStringLiteral("/guests.xls");
    const QString floorPath = scratch + QStringLiteral("/floor.xls");
    const QString all = QStringLiteral("SELECT * FROM ") + table;
    // The program's own progress window, as the clerk sees it, not a test's script.
    ui::Dialogs *const script = ui::InstallDialogs(nullptr);
    const auto exportOnce = [&] {
        QFile::remove(path);
        return Millis([&] { frm.customerList->exportTo(path); });
    };
    ResetPeakMemory();
    const double before = ResidentMiB();
    std::vector<double> exported{exportOnce()};
    const double growth = PeakMiB() - before;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "the export wrote no file\n");
        std::exit(1);
    }
    const QByteArray bytes = file.readAll();
    file.close();
    std::vector<double> walks, writes, floors;
    for (int run = 0; run < Runs; ++run) {
        if (run > 0)
            exported.push_back(exportOnce());
        QFile::remove(floorPath);
        walks.push_back(Millis([&] { raw.walk(all); }));
        writes.push_back(Millis([&] { WriteToDisk(floorPath, bytes); }));
        floors.push_back(walks.back() + writes.back());
    }
    QFile::remove(floorPath);
    ui::InstallDialogs(script);
    const double figure = Median(exported);
    Figure("  export of the list to a workbook", figure, Median(floors), "at most 1.5 (walk + write)");
    std::printf("  floor: walk %.1f ms + writing the %.1f MB to disk %.1f ms\n", Median(walks), bytes.size() / 1e6,
                Median(writes));
    std::printf("  export of %d rows: %.2f s, memory at its peak %.0f MB above before (goals for 1,000,000 rows: "
                "under 5 s, under 100 MB)\n",
                frm.customerList->count(), figure / 1000, growth);
}

// The log viewer opened (first read of its entries) and filled again, until painted.
inline void LogViewer(const bench::RawDatabase &raw, const QString &path)
{
    const QString all = QStringLiteral("SELECT * FROM tbl_logTable");
    const double floor = MedianOf(Runs, [&] { return bench::Millis([&] { raw.walk(all); }); });
    const double firstFloor = FirstReadMillis(path, all);
    backoffice::frmLog *log = nullptr;
    const double opened = bench::MillisUntilPainted([&] { return viewportOf(log->logList); }, [&] {
        log = &ui::Forms::Get<backoffice::frmLog>();
        log->Show(ui::vbModeless);
    });
    backoffice::frmLog &frm = *log;
    const double refilled = MedianOf(Runs, [&] {
        return bench::MillisUntilPainted([&] { return viewportOf(frm.logList); }, [&] { frm.Combo1_Click(); });
    });
    std::printf("log viewer: %d entries listed\n", frm.logList->count());
    Figure("  opened until painted (first open)", opened, firstFloor, "at most 2");
    Figure("  filled again (filter) until painted", refilled, floor, "at most 2");
    frm.Unload(ui::vbFormCode);
}

} // namespace bench
