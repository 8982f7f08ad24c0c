#pragma once
// The progress window of a removal, built from the data's template: step marks appear as
// the steps end; at the end the closing button (and, when something was left, the details
// button) comes alive.
#include "runlists.h"
#include "templatewindow.h"

#include <functional>

namespace uninst {

// The controls the run uses.
enum : uint32_t {
    DetailsButton = 54, CloseButton = 55, Greeting = 57,
    MarkRights = 61, MarkShared = 62, MarkBackups = 63, MarkFiles = 64, MarkDirectories = 65,
    MarkFinished = 71, MarkLeftBehind = 72,
};

class UninstallWindow : public TemplateWindow {
    Q_OBJECT
public:
    // `offerReboot` asks for the restart; `quit` ends the run with its value.
    UninstallWindow(const QString &productName, const LeftBehind *left, std::function<void()> offerReboot,
                    std::function<void(int)> quit);

    void showControl(uint32_t id);
    // The end state: closing button enabled and default, details when something was left.
    void finish();

protected:
    bool onInitDialog() override;
    bool onCommand(uint32_t id, int notification) override;
    bool onClose() override;

private:
    QString productName_;
    const LeftBehind *left_;
    std::function<void()> offerReboot_;
    std::function<void(int)> quit_;
};

} // namespace uninst
