#include "ui/commondialog.h"

#include "ui/dialogs.h"
#include "ui/vbcolor.h"
#include "vb/error.h"

#include <QFileInfo>

namespace ui {

void CommonDialog::cancelled() const
{
    throw vb::Error(cdlCancel, QStringLiteral("Cancel was selected."), QStringLiteral("CommonDialog"));
}

void CommonDialog::showFile(bool save)
{
    const FileDialogOptions options{.title = DialogTitle,
                                    .filter = Filter,
                                    .filterIndex = FilterIndex < 1 ? 1 : FilterIndex,
                                    .fileName = FileName,
                                    .initialDir = InitDir,
                                    .defaultExt = DefaultExt,
                                    .overwritePrompt = save && (Flags & cdlOFNOverwritePrompt) != 0,
                                    .fileMustExist = !save && (Flags & cdlOFNFileMustExist) != 0,
                                    .owner = owner_};
    const FileDialogResult result = save ? GetSaveFileName(options) : GetOpenFileName(options);
    if (!result) {
        FileName.clear();
        FileTitle.clear();
        if (CancelError)
            cancelled();
        return;
    }
    FileName = result.fileName;
    FileTitle = QFileInfo(result.fileName).fileName();
    FilterIndex = result.filterIndex;
}

void CommonDialog::ShowSave() { showFile(true); }

void CommonDialog::ShowOpen() { showFile(false); }

void CommonDialog::ShowColor()
{
    const std::optional<QColor> chosen = ChooseColor(ColorFromVb(Color), DialogTitle);
    if (!chosen) {
        if (CancelError)
            cancelled();
        return;
    }
    Color = VbFromColor(*chosen);
}

} // namespace ui
