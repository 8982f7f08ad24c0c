#pragma once
// The dialogs of a test: every box and dialog is recorded (kind, title, text, style...) and
// answered from a queue of replies, without any window appearing. Constructing one installs
// it; destroying it puts back the service it replaced.
//
//   ui::ScriptedDialogs dialogs;
//   dialogs.reply(ui::Reply::button(ui::vbNo));
//   ... run the window's handler ...
//   QCOMPARE(dialogs.last().text, "Confirm Save this Order?");
//
// With no reply queued a message box answers with its default button, an input box with its
// default text, and file, colour, font, print and page dialogs and popup menus are cancelled. Shell opens, program starts
// and sounds are recorded too, consume no reply, and report success. Progress of long work is
// recorded apart (progressShown()) and runs to its end unless a stop is asked for
// (stopProgressAt()); it handles no events.
#include "ui/dialogs.h"

#include <QList>
#include <deque>

namespace ui {

enum class DialogKind { MessageBox, Choice, InputBox, OpenFile, SaveFile, Color, Font, Print, PageSetup, PopupMenu, ShellOpen, StartProgram, Sound };

// One reply for the next box or dialog. Here and in ShownDialog every member has an
// initializer, so that one is made by naming only what it sets ({.type = ..., .answer = ...}).
struct Reply {
    enum class Type { Button, Text, File, Color, Font, Print, PageSetup, MenuItem, Cancel };
    Type type = Type::Cancel;
    int answer = 0;         // message box: vbOK, vbYes, ...
    QString value{};        // input text, file path or the name of a menu item
    int filterIndex = 1;
    QColor colorValue{};
    QFont fontValue{};
    PrintDialogSettings printValue{};
    PageSetupSettings pageValue{};

    static Reply button(int answer);
    static Reply text(const QString &text);
    static Reply file(const QString &path, int filterIndex = 1);
    static Reply color(const QColor &color);
    static Reply font(const QFont &font);
    static Reply print(const PrintDialogSettings &settings);
    static Reply pageSetup(const PageSetupSettings &settings);
    // Chooses a popup menu's item by its name; the item must be visible and enabled.
    static Reply menuItem(const QString &name);
    static Reply cancel();
};

// What was shown.
struct ShownDialog {
    DialogKind kind = DialogKind::MessageBox;
    QString title{};
    QString text{};           // prompt; the target of a shell open; the file of a sound
    int style = 0;            // message box style as given
    QString defaultText{};    // input box
    FileDialogOptions file{}; // file dialogs
    QColor color{};           // colour dialog: the colour it opened with
    QFont font{};             // font dialog: the font it opened with
    QList<PopupMenuItem> menu{};  // popup menu: its items as defined
    PrintDialogSettings print{};  // print dialog: the settings it opened with
    PageSetupSettings page{};     // page setup: the settings it opened with
    QStringList programs{};   // program start: the candidates
    QStringList arguments{};
    QStringList buttonLabels{};   // choice boxes

    int buttons() const { return MsgBoxButtonsOf(style); }
    int icon() const { return MsgBoxIconOf(style); }
    int defaultButton() const { return MsgBoxDefaultButtonOf(style); }
};

// The progress of long work, as it was told.
struct ShownProgress {
    QString title{};
    QString label{};
    qint64 total = 0;
    qint64 done = -1;       // the last step reported; -1 before the first
    QWidget *owner = nullptr;
};

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    // Queues a reply for the next box or dialog that takes one.
    void reply(const Reply &reply);
    int pendingReplies() const { return static_cast<int>(replies_.size()); }
    // The next progress asks to stop once its work reaches `done` steps, as a user's "Cancel".
    void stopProgressAt(qint64 done) { stopProgressAt_ = done; }
    const QList<ShownProgress> &progressShown() const { return progress_; }

    const QList<ShownDialog> &shown() const { return shown_; }
    QList<ShownDialog> shown(DialogKind kind) const;
    // The last thing shown; a default record when nothing was.
    ShownDialog last() const;
    // The prompts of every message box shown, in order.
    QStringList messages() const;
    void clear();

    int messageBox(const MessageBoxRequest &request) override;
    int choose(const ChoiceRequest &request) override;
    std::optional<QString> inputBox(const InputBoxRequest &request) override;
    FileDialogResult openFile(const FileDialogOptions &options) override;
    FileDialogResult saveFile(const FileDialogOptions &options) override;
    std::optional<QColor> chooseColor(const QColor &initial, const QString &title) override;
    std::optional<QFont> chooseFont(const QFont &initial, const QString &title) override;
    std::optional<QString> popupMenu(const PopupMenuRequest &request) override;
    std::optional<PrintDialogSettings> printDialog(const PrintDialogSettings &initial, QWidget *owner) override;
    std::optional<PageSetupSettings> pageSetupDialog(const PageSetupSettings &initial, QWidget *owner) override;
    bool shellOpen(const QString &target) override;
    bool startProgram(const QStringList &candidates, const QStringList &arguments) override;
    bool playSound(const QString &file) override;
    std::unique_ptr<Progress> progress(const ProgressRequest &request) override;

private:
    class RecordedProgress;

    // The next reply, checked against the types the dialog accepts; nullopt when none is queued.
    std::optional<Reply> take(DialogKind kind, std::initializer_list<Reply::Type> accepted);
    // Records the dialog, then takes its reply.
    std::optional<Reply> show(const ShownDialog &dialog, std::initializer_list<Reply::Type> accepted);
    // Records what answers no reply (shell opens, program starts, sounds): they succeed.
    bool record(const ShownDialog &dialog);
    FileDialogResult fileDialog(DialogKind kind, const FileDialogOptions &options);

    Dialogs *previous_ = nullptr;
    std::deque<Reply> replies_;
    QList<ShownDialog> shown_;
    QList<ShownProgress> progress_;
    std::optional<qint64> stopProgressAt_;
};

} // namespace ui
