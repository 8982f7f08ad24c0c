#include "ui/scripteddialogs.h"

#include <stdexcept>

namespace ui {

Reply Reply::button(int answer)
{
    Reply r;
    r.type = Type::Button;
    r.answer = answer;
    return r;
}

Reply Reply::text(const QString &text)
{
    Reply r;
    r.type = Type::Text;
    r.value = text;
    return r;
}

Reply Reply::file(const QString &path, int filterIndex)
{
    Reply r;
    r.type = Type::File;
    r.value = path;
    r.filterIndex = filterIndex;
    return r;
}

Reply Reply::color(const QColor &color)
{
    Reply r;
    r.type = Type::Color;
    r.colorValue = color;
    return r;
}

Reply Reply::font(const QFont &font)
{
    Reply r;
    r.type = Type::Font;
    r.fontValue = font;
    return r;
}

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

int ScriptedDialogs::messageBox(const MessageBoxRequest &request)
{
    ShownDialog d;
    d.kind = DialogKind::MessageBox;
    d.title = request.title;
    d.text = request.prompt;
    d.style = request.style;
    shown_ << d;
    const auto r = take(d.kind, {Reply::Type::Button});
    return r ? r->answer : MsgBoxDefaultAnswer(request.style);
}

std::optional<QString> ScriptedDialogs::inputBox(const InputBoxRequest &request)
{
    ShownDialog d;
    d.kind = DialogKind::InputBox;
    d.title = request.title;
    d.text = request.prompt;
    d.defaultText = request.defaultText;
    shown_ << d;
    const auto r = take(d.kind, {Reply::Type::Text, Reply::Type::Cancel});
    if (!r)
        return request.defaultText;
    if (r->type == Reply::Type::Cancel)
        return std::nullopt;
    return r->value;
}

FileDialogResult ScriptedDialogs::fileDialog(DialogKind kind, const FileDialogOptions &options)
{
    ShownDialog d;
    d.kind = kind;
    d.title = options.title;
    d.file = options;
    shown_ << d;
    const auto r = take(kind, {Reply::Type::File, Reply::Type::Cancel});
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
    ShownDialog d;
    d.kind = DialogKind::Color;
    d.title = title;
    d.color = initial;
    shown_ << d;
    const auto r = take(d.kind, {Reply::Type::Color, Reply::Type::Cancel});
    if (r && r->type == Reply::Type::Color)
        return r->colorValue;
    return std::nullopt;
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont &initial, const QString &title)
{
    ShownDialog d;
    d.kind = DialogKind::Font;
    d.title = title;
    d.font = initial;
    shown_ << d;
    const auto r = take(d.kind, {Reply::Type::Font, Reply::Type::Cancel});
    if (r && r->type == Reply::Type::Font)
        return r->fontValue;
    return std::nullopt;
}

bool ScriptedDialogs::shellOpen(const QString &target)
{
    ShownDialog d;
    d.kind = DialogKind::ShellOpen;
    d.text = target;
    shown_ << d;
    return true;
}

bool ScriptedDialogs::startProgram(const QStringList &candidates, const QStringList &arguments)
{
    ShownDialog d;
    d.kind = DialogKind::StartProgram;
    d.programs = candidates;
    d.arguments = arguments;
    shown_ << d;
    return true;
}

bool ScriptedDialogs::playSound(const QString &file)
{
    ShownDialog d;
    d.kind = DialogKind::Sound;
    d.text = file;
    shown_ << d;
    return true;
}

} // namespace ui
