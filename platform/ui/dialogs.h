#pragma once
// Every message box, input box, file, colour and font dialog, every shell "open", program
// start and sound goes through one replaceable service: the Qt one in the program, a
// scripted one (ScriptedDialogs) in tests. Windows call the free functions below.
#include "ui/msgbox.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
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
    QString defaultExt;     // added to a name typed without extension ("xls"; GetSaveFileName and
                            // GetOpenFileName take "*.xls" and ".xls" as "xls" too)
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

// The print dialog's choices, in and out.
struct PrintDialogSettings {
    enum Range { AllPages, Selection, PageRange };
    Range range = AllPages;
    int fromPage = 0;
    int toPage = 0;
    int minPage = 1;
    int maxPage = 9999;
    int copies = 1;
    bool collate = false;
    int paperSize = 0;      // out: the QPageSize::PageSizeId chosen
};

// The page setup dialog's choices, in and out: margins in inches or millimetres.
struct PageSetupSettings {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool inches = true;
    int paperSize = 0;      // QPageSize::PageSizeId
};

// One entry of a popup menu, as a window defines it. The caption marks its access key with
// "&" ("&&" shows one "&"); a caption of "-" or `separator` makes a separator line.
struct PopupMenuItem {
    QString caption;
    QString name;           // what the choice reports
    int id = 0;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool separator = false;

    // Only visible, enabled items other than separators can be chosen.
    bool choosable() const { return visible && enabled && !separator; }
};

struct PopupMenuRequest {
    QList<PopupMenuItem> items;
    QWidget *owner = nullptr;   // the control the menu belongs to
    std::optional<QPoint> at;   // where it opens, on the screen; none: at the pointer
};

// Long work on the user-interface thread (an export) telling how far it got.
struct ProgressRequest {
    QString title;          // already resolved: never empty
    QString label;
    qint64 total = 0;       // the steps of the work
    QWidget *owner = nullptr;
};

// The progress of one piece of long work, for as long as it lives.
class Progress {
public:
    virtual ~Progress() = default;
    // `done` of the total steps are done. False once the user has asked to stop.
    virtual bool advance(qint64 done) = 0;
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
    virtual std::optional<PrintDialogSettings> printDialog(const PrintDialogSettings &initial, QWidget *owner) = 0;
    virtual std::optional<PageSetupSettings> pageSetupDialog(const PageSetupSettings &initial, QWidget *owner) = 0;
    // Shows a popup menu at the pointer; the chosen item's name, nullopt when closed without one.
    virtual std::optional<QString> popupMenu(const PopupMenuRequest &request) = 0;

    // Opens a file or address with the desktop's handler; false when nothing was opened.
    virtual bool shellOpen(const QString &target) = 0;
    // Starts the first of the candidate programs that is installed; false when none is.
    virtual bool startProgram(const QStringList &candidates, const QStringList &arguments) = 0;
    // Starts playing a sound file and returns at once; false when it cannot be played.
    virtual bool playSound(const QString &file) = 0;
    // Shows how far long work got, for as long as the result lives.
    virtual std::unique_ptr<Progress> progress(const ProgressRequest &request) = 0;
};

// The service in use: the Qt one unless another is installed.
Dialogs &CurrentDialogs();
// Installs a service (not owned) and returns the one it replaces; nullptr goes back to Qt's.
Dialogs *InstallDialogs(Dialogs *dialogs);

// What the windows call.
// An empty title becomes the program's name, as a message box without one shows.
int MsgBox(const QString &prompt, int style = vbOKOnly, const QString &title = QString());
// A message box titled exactly `caption`, an empty one included (a program whose caption
// comes from its data keeps what the data says).
int MsgBoxCaptioned(const QString &prompt, int style, const QString &caption);
int Choose(const ChoiceRequest &request);
std::optional<QString> InputBox(const QString &prompt, const QString &title = QString(),
                                const QString &defaultText = QString());
// An extension as the dialogs take it: "*.xls" and ".xls" give "xls", so that a name typed
// without extension never becomes "name.*.xls".
QString PlainExtension(const QString &extension);
FileDialogResult GetOpenFileName(const FileDialogOptions &options);
FileDialogResult GetSaveFileName(const FileDialogOptions &options);
std::optional<QColor> ChooseColor(const QColor &initial, const QString &title = QString());
std::optional<QFont> ChooseFont(const QFont &initial, const QString &title = QString());
std::optional<QString> PopupMenu(const PopupMenuRequest &request);
std::optional<PrintDialogSettings> PrintDialog(const PrintDialogSettings &initial, QWidget *owner = nullptr);
std::optional<PageSetupSettings> PageSetupDialog(const PageSetupSettings &initial, QWidget *owner = nullptr);
bool ShellOpen(const QString &target);
bool StartProgram(const QStringList &candidates, const QStringList &arguments = {});
// Plays a wave file. The sound never blocks the caller: a sound without an audio device would
// never report its end.
bool PlayWave(const QString &file);
// The progress of long work of `total` steps, under the program's title.
std::unique_ptr<Progress> ShowProgress(const QString &label, qint64 total, QWidget *owner = nullptr);

} // namespace ui
