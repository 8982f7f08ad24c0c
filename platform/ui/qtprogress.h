#pragma once
// The program's progress window for long work on the user-interface thread (an export): short
// work shows nothing; work that lasts gets, after half a second, a window modal to the whole
// program with the work's label, a bar and "Cancel" (its close box and Escape stop the work too).
// Meanwhile the program's windows keep painting: before the window shows, the events other
// than the user's input are handled every few hundredths of a second; once it shows, every
// event, while its modality keeps the user's input away from the other windows.
#include "ui/dialogs.h"

#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;

namespace ui {

class QtProgress final : public Progress {
public:
    static constexpr int kShowAfterMs = 500;
    static constexpr int kEventsEveryMs = 40;

    explicit QtProgress(const ProgressRequest &request);
    ~QtProgress() override;
    bool advance(qint64 done) override;

private:
    void show();

    ProgressRequest request_;
    QElapsedTimer clock_;
    qint64 lastEvents_ = 0;
    bool shown_ = false;
    bool stopped_ = false;
    QPointer<QProgressDialog> window_;
};

} // namespace ui
