#pragma once
// The common dialog control of the bill viewers and the revenue report: a window sets its
// properties (title, filter, whether cancelling raises an error, flags such as the overwrite
// prompt), then calls ShowSave, ShowOpen or ShowColor. The dialogs go through the
// replaceable dialog service (dialogs.h), so tests answer them with a script.
//
//   ui::CommonDialog dlg(this);
//   dlg.DialogTitle = "Save Bill";
//   dlg.Filter = "Rich Text Format (*.rtf)|*.rtf";
//   dlg.CancelError = true;
//   dlg.Flags = ui::cdlOFNOverwritePrompt;
//   dlg.ShowSave();           // throws vb::Error 32755 when cancelled with CancelError
//   save(dlg.FileName);
//
// The colour stays in the control across uses: a cancelled colour dialog leaves the colour
// of the last use.
#include <QString>
#include <cstdint>

class QWidget;

namespace ui {

// The error a cancelled dialog raises when CancelError is set.
constexpr long cdlCancel = 32755;

enum CommonDialogFlag : long {
    cdlOFNReadOnly = 0x1,
    cdlOFNOverwritePrompt = 0x2,
    cdlOFNHideReadOnly = 0x4,
    cdlOFNFileMustExist = 0x1000,
};

class CommonDialog {
public:
    explicit CommonDialog(QWidget *owner = nullptr) : owner_(owner) {}

    QString DialogTitle;
    QString Filter;             // "Description|pattern|..."
    int FilterIndex = 1;
    bool CancelError = false;
    long Flags = 0;
    QString FileName;           // proposed before, chosen after (empty when cancelled)
    QString FileTitle;          // the chosen file's name without its folder
    QString InitDir;
    QString DefaultExt;
    uint32_t Color = 0;         // &H00BBGGRR

    void ShowSave();
    void ShowOpen();
    void ShowColor();

private:
    void showFile(bool save);
    [[noreturn]] void cancelled() const;

    QWidget *owner_;
};

} // namespace ui
