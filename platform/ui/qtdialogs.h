#pragma once
// The program's dialogs: Qt's message box, input dialog, file, colour and font dialogs,
// the desktop's handlers and Qt Multimedia for sounds, the progress window of qtprogress.h.
#include "ui/dialogs.h"

namespace ui {

class QtDialogs : public Dialogs {
public:
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
};

} // namespace ui
