#pragma once
// One run of the uninstaller, from its command line to its end: read and check the data,
// ask, run the product's command, show the progress window, remove in a fixed order, move
// itself out of the way and schedule its own deletion, then wait for the window to close.
#include "runlists.h"
#include "uninstallwindow.h"
#include "uninstdata.h"

#include <QEventLoop>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace uninst {

class SingleInstance;

// Fixed texts of the program (every other text comes from the data).
inline constexpr const char *DefaultCaption = "Corvane Uninstaller";
inline constexpr const char *CannotReadText = "Couldn't read uninstallation information. Aborting.";
inline constexpr const char *OutOfMemoryText = "Out of memory. Aborting.";
inline constexpr const char *CorruptText = "Uninstallation information corrupt. Aborting.";

struct Switches {
    bool silent = false;
    bool noQuery = false;
    bool noRemove = false;
};
// Each switch counts when its text occurs anywhere in the upper-cased command line.
Switches ReadSwitches(const QString &commandLine);

// The command line as Windows would give it: the program's path in its Windows form (a
// drive letter and "\" separators, so that no folder on the way reads as a switch),
// quoted, then the arguments.
QString WindowsCommandLine(const QString &programPath, const QStringList &arguments);

class UninstallRun {
public:
    // `ownPath`: the executable carrying the data; `commandLine`: the whole command line,
    // program path included.
    UninstallRun(QString ownPath, QString commandLine);
    ~UninstallRun();

    // Runs up to the end state. The exit code when the run ends there (early stop, a silent
    // run, or a window closed during the removal); nothing when the window waits for the user.
    std::optional<int> start();
    // Serves the window until it ends the run; its value (1).
    int waitForClose();
    int exec();

    UninstallWindow *window() const { return window_.get(); }
    const LeftBehind &left() const { return left_; }
    const QString &caption() const { return caption_; }
    const QString &ownPath() const { return ownPath_; }
    bool rebootFlag() const { return rebootFlag_; }
    const Switches &switches() const { return switches_; }

private:
    std::optional<int> stop(const char *text);
    // A failure of our own: on standard error, and in a message box unless the run is silent.
    void report(const QString &text);
    void pump();
    void mark(uint32_t id);
    bool registryRightsSuffice();
    void removeRegistry();
    void moveOutOfProductFolder();
    void scheduleOwnDeletion();
    void offerReboot();

    QString ownPath_;
    QString commandLine_;
    Switches switches_;
    QString caption_ = QString::fromLatin1(DefaultCaption);
    UninstallData data_;
    LeftBehind left_;
    bool rebootFlag_ = false;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<UninstallWindow> window_;
    QEventLoop loop_;
    std::optional<int> quitValue_;
};

} // namespace uninst
