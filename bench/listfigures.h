#pragma once
// The figures of the guest lists, each beside its floor from the same run: the list opened
// (made, loaded and shown) and refreshed until painted, against a walk of the same rows on a
// connection opened and keyed before the clock; the peak memory of the open; the export
// against the walk and the writing of the same texts; the log viewer opened and filled again.
#include "benchenvironment.h"
#include "rawdb.h"

#include "backoffice/log/frmlog.h"
#include "controls/reportlist.h"
#include "controls/xlsexport.h"
#include "frontdesk/guests/customerlistwindow.h"
#include "ui/forms.h"

#include <cstdio>
#include <vector>

namespace bench {

constexpr int Runs = 5;

inline void Figure(const char *what, double figure, double floor, const char *goal)
{
    std::printf("%-46s %9.1f ms   floor %9.1f ms   ratio %5.2f   (goal: %s)\n", what, figure, floor, figure / floor, goal);
}

template <class Work> double MedianOf(int runs, Work work)
{
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run)
        millis.push_back(work());
    return bench::Median(millis);
}

// A first read decrypts every page of the rows into the connection's cache; later reads find
// them there. The floor of a list's first open is such a first read, on a connection opened
// and keyed before the clock.
inline double FirstReadMillis(const QString &path, const QString &sql)
{
    const RawDatabase fresh(path);
    return Millis([&] { fresh.walk(sql); });
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

// The list's visible texts, copied before the clock, as the floor's workbook writes them.
class CopiedSheet : public controls::XlsSource {
public:
    explicit CopiedSheet(const controls::ReportList &list)
    {
        for (int c = 1; c <= list.columnHeaderCount(); ++c) {
            if (list.columnWidthTwips(c) > 0)
                visible_ << c;
        }
        for (int row = 1; row <= list.count(); ++row) {
            QStringList texts;
            for (int c : visible_)
                texts << list.subItem(row, c - 1);
            rows_.push_back(texts);
        }
        for (int c : visible_) {
            headers_ << list.columnCaption(c);
            widths_ << list.columnWidthTwips(c);
        }
    }
    int columns() const override { return static_cast<int>(visible_.size()); }
    bool hasHeaders() const override { return true; }
    QString header(int column) const override { return headers_[column]; }
    int widthTwips(int column) const override { return widths_[column]; }
    qsizetype rows() const override { return static_cast<qsizetype>(rows_.size()); }
    QString cell(qsizetype row, int column) const override { return rows_[static_cast<size_t>(row)][column]; }

private:
    QList<int> visible_;
    QStringList headers_;
    QList<int> widths_;
    std::vector<QStringList> rows_;
};

inline void ExportList(frontdesk::CustomerListWindow &frm, const bench::RawDatabase &raw, const QString &scratch)
{
    const CopiedSheet copied(*frm.customerList);
    const QString path = scratch + QStringLiteral("/guests.xls");
    const double floor = MedianOf(3, [&] {
        return bench::Millis([&] {
            raw.walk(QStringLiteral("SELECT * FROM tbl_customers"));
            controls::WriteXlsWorkbook(scratch + QStringLiteral("/floor.xls"), copied);
        });
    });
    const double exported = MedianOf(3, [&] { return bench::Millis([&] { frm.customerList->exportTo(path); }); });
    Figure("  export of the list to a workbook", exported, floor, "at most 2 (walk + write)");
    std::printf("  export of %d rows: %.2f s (goal for 1,000,000 rows: under 5 s)\n", frm.customerList->count(),
                exported / 1000);
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
