#include "ui/scripteddialogs.h"

#include <stdexcept>
#include <utility>

namespace ui {

Reply Reply::button(int answer) { return {.type = Type::Button, .answer = answer}; }

Reply Reply::text(const QString &text) { return {.type = Type::Text, .value = text}; }

Reply Reply::file(const QString &path, int filterIndex)
{
    return {.type = Type::File, .value = path, .filterIndex = filterIndex};
}

Reply Reply::color(const QColor &color) { return {.type = Type::Color, .colorValue = color}; }

Reply Reply::font(const QFont &font) { return {.type = Type::Font, .fontValue = font}; }

Reply Reply::print(const PrintDialogSettings &settings) { return {.type = Type::Print, .printValue = settings}; }

Reply Reply::pageSetup(const PageSetupSettings &settings)
{
    return {.type = Type::PageSetup, .pageValue = settings};
}

Reply Reply::menuItem(const QString &name) { return {.type = Type::MenuItem, .value = name}; }

Reply Reply::cancel() { return Reply{}; }

ScriptedDialogs::ScriptedDialogs() : previous_(InstallDialogs(this)) {}

ScriptedDialogs::~ScriptedDialogs() { InstallDialogs(previous_); }

void ScriptedDialogs::reply(const Reply &reply) { replies_.push_back(reply); }

QList<ShownDialog> ScriptedDialogs::shown(DialogKind kind) const
{
    QList<ShownDialog> list;
    for (const ShownDialog &d : shown_) {
        if (d.kind == kind)
            list << d;
    }
    return list;
}

ShownDialog ScriptedDialogs::last() const { return shown_.isEmpty() ? ShownDialog{} : shown_.last(); }

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const ShownDialog &d : shown(DialogKind::MessageBox))
        texts << d.text;
    return texts;
}

void ScriptedDialogs::clear()
{
    shown_.clear();
    progress_.clear();
    replies_.clear();
}

std::optional<Reply> ScriptedDialogs::take(DialogKind kind,
                                           std::initializer_list<Reply::Type> accepted)
{
    if (replies_.empty())
        return std::nullopt;
    const Reply r = replies_.front();
    replies_.pop_front();
    for (Reply::Type t : accepted) {
        if (t == r.type)
            return r;
    }
    // A script out of step with the windows is a broken test: say so loudly.
    throw std::logic_error("ScriptedDialogs: the queued reply does not fit dialog kind "
                           + std::to_string(static_cast<int>(kind)));
}

std::optional<Reply> ScriptedDialogs::show(const ShownDialog &dialog, std::initializer_list<Reply::Type> accepted)
{
    shown_ << dialog;
    return take(dialog.kind, accepted);
}

bool ScriptedDialogs::record(const ShownDialog &dialog)
{
    shown_ << dialog;
    return true;
}

int ScriptedDialogs::messageBox(const MessageBoxRequest &request)
{
    const auto r = show({.kind = DialogKind::MessageBox, .title = request.title, .text = request.prompt,
                         .style = request.style},
                        {Reply::Type::Button});
    return r ? r->answer : MsgBoxDefaultAnswer(request.style);
}

int ScriptedDialogs::choose(const ChoiceRequest &request)
{
    QStringList labels;
    for (const auto &button : request.buttons)
        labels.append(button.second);
    const auto r = show({.kind = DialogKind::Choice, .title = request.title, .text = request.prompt,
                         .buttonLabels = labels},
                        {Reply::Type::Button});
    return r ? r->answer : request.defaultAnswer;
}

std::optional<QString> ScriptedDialogs::inputBox(const InputBoxRequest &request)
{
    const auto r = show({.kind = DialogKind::InputBox, .title = request.title, .text = request.prompt,
                         .defaultText = request.defaultText},
                        {Reply::Type::Text, Reply::Type::Cancel});
    if (!r)
        return request.defaultText;
    if (r->type == Reply::Type::Cancel)
        return std::nullopt;
    return r->value;
}

FileDialogResult ScriptedDialogs::fileDialog(DialogKind kind, const FileDialogOptions &options)
{
    const auto r = show({.kind = kind, .title = options.title, .file = options},
                        {Reply::Type::File, Reply::Type::Cancel});
    FileDialogResult result;
    if (r && r->type == Reply::Type::File) {
        result.accepted = true;
        result.fileName = r->value;
        result.filterIndex = r->filterIndex;
    }
    return result;
}

FileDialogResult ScriptedDialogs::openFile(const FileDialogOptions &options)
{
    return fileDialog(DialogKind::OpenFile, options);
}

FileDialogResult ScriptedDialogs::saveFile(const FileDialogOptions &options)
{
    return fileDialog(DialogKind::SaveFile, options);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &initial, const QString &title)
{
    const auto r = show({.kind = DialogKind::Color, .title = title, .color = initial},
                        {Reply::Type::Color, Reply::Type::Cancel});
    if (r && r->type == Reply::Type::Color)
        return r->colorValue;
    return std::nullopt;
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont &initial, const QString &title)
{
    const auto r = show({.kind = DialogKind::Font, .title = title, .font = initial},
                        {Reply::Type::Font, Reply::Type::Cancel});
    if (r && r->type == Reply::Type::Font)
        return r->fontValue;
    return std::nullopt;
}

std::optional<PrintDialogSettings> ScriptedDialogs::printDialog(const PrintDialogSettings &initial, QWidget *)
{
    const auto r = show({.kind = DialogKind::Print, .print = initial}, {Reply::Type::Print, Reply::Type::Cancel});
    if (r && r->type == Reply::Type::Print)
        return r->printValue;
    return std::nullopt;
}

std::optional<PageSetupSettings> ScriptedDialogs::pageSetupDialog(const PageSetupSettings &initial, QWidget *)
{
    const auto r = show({.kind = DialogKind::PageSetup, .page = initial},
                        {Reply::Type::PageSetup, Reply::Type::Cancel});
    if (r && r->type == Reply::Type::PageSetup)
        return r->pageValue;
    return std::nullopt;
}

std::optional<QString> ScriptedDialogs::popupMenu(const PopupMenuRequest &request)
{
    const auto r = show({.kind = DialogKind::PopupMenu, .menu = request.items},
                        {Reply::Type::MenuItem, Reply::Type::Cancel});
    if (!r || r->type == Reply::Type::Cancel)
        return std::nullopt;
    for (const PopupMenuItem &item : request.items) {
        if (item.name == r->value && item.choosable())
            return item.name;
    }
    // A user can only click what the menu shows: a script that picks anything else is broken.
    throw std::logic_error("ScriptedDialogs: no choosable menu item named " + r->value.toStdString());
}

bool ScriptedDialogs::shellOpen(const QString &target)
{
    return record({.kind = DialogKind::ShellOpen, .text = target});
}

bool ScriptedDialogs::startProgram(const QStringList &candidates, const QStringList &arguments)
{
    return record({.kind = DialogKind::StartProgram, .programs = candidates, .arguments = arguments});
}

bool ScriptedDialogs::playSound(const QString &file) { return record({.kind = DialogKind::Sound, .text = file}); }

// Reports into its record in the service; it must not outlive the service.
class ScriptedDialogs::RecordedProgress final : public Progress {
public:
    RecordedProgress(ScriptedDialogs &dialogs, qsizetype record, std::optional<qint64> stopAt)
        : dialogs_(dialogs), record_(record), stopAt_(stopAt)
    {
    }
    bool advance(qint64 done) override
    {
        if (record_ < dialogs_.progress_.size())
            dialogs_.progress_[record_].done = done;
        return !stopAt_ || done < *stopAt_;
    }

private:
    ScriptedDialogs &dialogs_;
    qsizetype record_;
    std::optional<qint64> stopAt_;
};

std::unique_ptr<Progress> ScriptedDialogs::progress(const ProgressRequest &request)
{
    progress_ << ShownProgress{.title = request.title, .label = request.label, .total = request.total,
                               .owner = request.owner};
    return std::make_unique<RecordedProgress>(*this, progress_.size() - 1, std::exchange(stopProgressAt_, std::nullopt));
}

} // namespace ui
