#include "ui/dialogs.h"

#include "ui/qtdialogs.h"

namespace ui {

namespace {
Dialogs *&installed()
{
    static Dialogs *d = nullptr;
    return d;
}

QString titleOrApplication(const QString &title)
{
    return title.isEmpty() ? ApplicationTitle() : title;
}
} // namespace

QString ApplicationTitle() { return QStringLiteral("Brevant"); }

Dialogs &CurrentDialogs()
{
    if (installed())
        return *installed();
    static QtDialogs qt;
    return qt;
}

Dialogs *InstallDialogs(Dialogs *dialogs)
{
    Dialogs *previous = installed();
    installed() = dialogs;
    return previous;
}

int MsgBox(const QString &prompt, int style, const QString &title)
{
    return CurrentDialogs().messageBox({prompt, style, titleOrApplication(title)});
}

int MsgBoxCaptioned(const QString &prompt, int style, const QString &caption)
{
    return CurrentDialogs().messageBox({prompt, style, caption});
}

int Choose(const ChoiceRequest &request) { return CurrentDialogs().choose(request); }

std::optional<QString> InputBox(const QString &prompt, const QString &title,
                                const QString &defaultText)
{
    return CurrentDialogs().inputBox({prompt, titleOrApplication(title), defaultText});
}

QString PlainExtension(const QString &extension)
{
    QString plain = extension.trimmed();
    while (plain.startsWith(QLatin1Char('*')) || plain.startsWith(QLatin1Char('.')))
        plain.remove(0, 1);
    return plain;
}

namespace {
FileDialogOptions withPlainExtension(FileDialogOptions options)
{
    options.defaultExt = PlainExtension(options.defaultExt);
    return options;
}
} // namespace

FileDialogResult GetOpenFileName(const FileDialogOptions &options)
{
    return CurrentDialogs().openFile(withPlainExtension(options));
}

FileDialogResult GetSaveFileName(const FileDialogOptions &options)
{
    return CurrentDialogs().saveFile(withPlainExtension(options));
}

std::optional<QColor> ChooseColor(const QColor &initial, const QString &title)
{
    return CurrentDialogs().chooseColor(initial, title);
}

std::optional<QFont> ChooseFont(const QFont &initial, const QString &title)
{
    return CurrentDialogs().chooseFont(initial, title);
}

std::optional<QString> PopupMenu(const PopupMenuRequest &request)
{
    return CurrentDialogs().popupMenu(request);
}

std::optional<PrintDialogSettings> PrintDialog(const PrintDialogSettings &initial, QWidget *owner)
{
    return CurrentDialogs().printDialog(initial, owner);
}

std::optional<PageSetupSettings> PageSetupDialog(const PageSetupSettings &initial, QWidget *owner)
{
    return CurrentDialogs().pageSetupDialog(initial, owner);
}

bool ShellOpen(const QString &target) { return CurrentDialogs().shellOpen(target); }

bool StartProgram(const QStringList &candidates, const QStringList &arguments)
{
    return CurrentDialogs().startProgram(candidates, arguments);
}

bool PlayWave(const QString &file) { return CurrentDialogs().playSound(file); }

std::unique_ptr<Progress> ShowProgress(const QString &label, qint64 total, QWidget *owner)
{
    return CurrentDialogs().progress({ApplicationTitle(), label, total, owner});
}

} // namespace ui
