#pragma once
// Every message box, input box, file, colour and font dialog, every shell "open", program
// start and sound goes through one replaceable service: the Qt one in the program, a
// scripted one (ScriptedDialogs) in tests. Windows call the free functions below.
#include "ui/msgbox.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace ui {

// The title of boxes that give none of their own.
QString ApplicationTitle();

struct MessageBoxRequest {
    QString prompt;
    int style = vbOKOnly;   // buttons + icon + default button
    QString title;          // already resolved: never empty
};

// A box with buttons of the caller's own: each button's answer and label, left to right.
// Only a button ends it (no Esc, no close box).
struct ChoiceRequest {
    QString prompt;
    QString title;
    QList<std::pair<int, QString>> buttons;
    int defaultAnswer = 0;
    QWidget *owner = nullptr;
};

struct InputBoxRequest {
    QString prompt;
    QString title;          // already resolved: never empty
    QString defaultText;
};

// The settings a window gives a file dialog.
struct FileDialogOptions {
    QString title;
    QString filter;         // "Description|pattern|...", as the common dialogs take it
    int filterIndex = 1;    // 1-based
    QString fileName;       // proposed name (or path)
    QString initialDir;
    QString defaultExt;     // added to a name typed without extension ("xls")
    bool overwritePrompt = false;   // save: ask before replacing an existing file
    bool fileMustExist = false;     // open: only existing files
    QWidget *owner = nullptr;
};

struct FileDialogResult {
    bool accepted = false;  // false: cancelled (the outputs are then empty and 0)
    QString fileName;       // full path
    int filterIndex = 0;    // 1-based index of the filter in use when confirmed
    explicit operator bool() const { return accepted; }
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual int messageBox(const MessageBoxRequest &request) = 0;
    // The answer of the button pressed.
    virtual int choose(const ChoiceRequest &request) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> inputBox(const InputBoxRequest &request) = 0;
    virtual FileDialogResult openFile(const FileDialogOptions &options) = 0;
    virtual FileDialogResult saveFile(const FileDialogOptions &options) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial, const QString &title) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial, const QString &title) = 0;

    // Opens a file or address with the desktop's handler; false when nothing was opened.
    virtual bool shellOpen(const QString &target) = 0;
    // Starts the first of the candidate programs that is installed; false when none is.
    virtual bool startProgram(const QStringList &candidates, const QStringList &arguments) = 0;
    // Starts playing a sound file and returns at once; false when it cannot be played.
    virtual bool playSound(const QString &file) = 0;
};

// The service in use: the Qt one unless another is installed.
Dialogs &CurrentDialogs();
// Installs a service (not owned) and returns the one it replaces; nullptr goes back to Qt's.
Dialogs *InstallDialogs(Dialogs *dialogs);

// What the windows call.
int MsgBox(const QString &prompt, int style = vbOKOnly, const QString &title = QString());
int Choose(const ChoiceRequest &request);
std::optional<QString> InputBox(const QString &prompt, const QString &title = QString(),
                                const QString &defaultText = QString());
FileDialogResult GetOpenFileName(const FileDialogOptions &options);
FileDialogResult GetSaveFileName(const FileDialogOptions &options);
std::optional<QColor> ChooseColor(const QColor &initial, const QString &title = QString());
std::optional<QFont> ChooseFont(const QFont &initial, const QString &title = QString());
bool ShellOpen(const QString &target);
bool StartProgram(const QStringList &candidates, const QStringList &arguments = {});
// Plays a wave file. The sound never blocks the caller: `wait` is accepted for the
// callers' sake, but a sound without an audio device would never report its end.
bool PlayWave(const QString &file, bool wait = false);

} // namespace ui
