#pragma once
// CDLG: the common dialogs behind methods with plain arguments passed by reference, the
// way the windows call them. The windows use VBGetSaveFileName to ask where an exported
// list goes:
//
//   ui::CDLG dlg;
//   QString file = "Customer List", title, filter = "*.xls (Excel Workbook)|*.xls";
//   long index = 1, flags = 0;
//   dlg.VBGetSaveFileName(file, title, true, filter, index, QDir::currentPath(), "Export to",
//                         "*.xls", this, flags);
//   if (file.isEmpty()) return;   // cancelled: every output is empty or 0
//
// Conventions shared by the file dialogs:
// - Filters are pairs of description and pattern separated by "|" (":" counts as "|" too).
//   After a confirmed dialog the filter holds the chosen pair joined by one NUL.
// - Names travel in 260-character buffers: a given name of 260 characters or more cannot be
//   passed and fails the call with error 5; a chosen name is kept up to its first NUL.
// - The owner is a window, or nullptr for none (the platform's -1).
// - Cancelled or failed dialogs raise nothing: they return false with cleared outputs.
//   APIReturn() is 1 after a confirmed dialog and 0 otherwise; ExtendedError() is reset to 0
//   by every call.
// - The default extension may be given as "xls", ".xls" or "*.xls".
#include "ui/dialogs.h"

#include <QFont>
#include <QString>
#include <array>
#include <cstdint>

class QObject;
class QWidget;

namespace ui {

// What DialogHook hands notifications to; each method is optional.
class CdlgEvents {
public:
    virtual ~CdlgEvents() = default;
    virtual void InitDialog(intptr_t /*window*/) {}
    virtual void TypeChange(intptr_t /*window*/) {}
    virtual void FolderChange(intptr_t /*window*/) {}
    virtual void FileChange(intptr_t /*window*/) {}
    // False rejects the chosen file.
    virtual bool ConfirmOK(intptr_t /*window*/) { return true; }
    virtual void DialogClose(intptr_t /*window*/) {}
};

// Flags of the file dialogs' record.
enum OfnFlag : long {
    OFN_READONLY = 0x1,
    OFN_OVERWRITEPROMPT = 0x2,
    OFN_HIDEREADONLY = 0x4,
    OFN_ENABLEHOOK = 0x20,
    OFN_ENABLETEMPLATE = 0x40,
    OFN_ALLOWMULTISELECT = 0x200,
    OFN_FILEMUSTEXIST = 0x1000,
};

// Dialog messages and notification codes DialogHook understands.
enum CdlgMessage : long {
    WM_NOTIFY = 0x4E,
    WM_NCDESTROY = 0x82,
    WM_INITDIALOG = 0x110,
    CDN_SELCHANGE = -602,
    CDN_FOLDERCHANGE = -603,
    CDN_FILEOK = -606,
    CDN_TYPECHANGE = -607,
};

class CDLG {
public:
    CDLG();

    // Hands a dialog's notification to the event object of the dialog under way; for
    // WM_NOTIFY the notification code is given. Returns 1 when ConfirmOK rejected the file.
    long DialogHook(intptr_t window, long message, long notifyCode = 0);
    long APIReturn() const { return apiReturn_; }
    long ExtendedError() const { return extendedError_; }

    bool VBGetOpenFileName(QString &fileName, QString &fileTitle, bool fileMustExist, bool multiSelect,
                           bool &readOnly, bool hideReadOnly, QString &filter, long &filterIndex,
                           const QString &initDir, const QString &dlgTitle, const QString &defaultExt,
                           QWidget *owner, long &flags, CdlgEvents *events = nullptr);
    bool VBGetSaveFileName(QString &fileName, QString &fileTitle, bool overwritePrompt, QString &filter,
                           long &filterIndex, const QString &initDir, const QString &dlgTitle,
                           const QString &defaultExt, QWidget *owner, long &flags, CdlgEvents *events = nullptr);
    // The file name part of a path; empty when there is none.
    QString VBGetFileTitle(const QString &path);
    // Colour (&H00BBGGRR) in and out; -1 after a cancel.
    bool VBChooseColor(long &color, QWidget *owner = nullptr);
    uint32_t CustomColor(int index) const;             // 0 to 15
    void SetCustomColor(int index, uint32_t color);
    // Font in and out; sizes kept within [minSize, maxSize] when both are given.
    bool VBChooseFont(QFont &font, QWidget *owner = nullptr, int minSize = 0, int maxSize = 0);
    // Print dialog: pages and copies in and out; the copies and paper size are handed back to
    // `printer` as its properties "Copies" and "PaperSize" (QPageSize ids) when it is given.
    bool VBPrintDlg(PrintDialogSettings &settings, QObject *printer = nullptr, QWidget *owner = nullptr);
    // Page setup with fractional margins in the given unit (inches or millimetres).
    bool VBPageSetupDlg2(PageSetupSettings &settings, QWidget *owner = nullptr);
    // The same with whole-number margins.
    bool VBPageSetupDlg(int &left, int &top, int &right, int &bottom, bool inches, QWidget *owner = nullptr);

private:
    // Starts a dialog call: outputs of the last one reset.
    void begin(CdlgEvents *events);
    bool finish(bool confirmed);
    bool fileDialog(bool save, QString &fileName, QString &fileTitle, QString &filter, long &filterIndex,
                    const QString &initDir, const QString &dlgTitle, const QString &defaultExt, QWidget *owner,
                    long &flags, long dialogFlags, CdlgEvents *events);

    long apiReturn_ = 0;
    long extendedError_ = 0;
    std::array<uint32_t, 16> customColors_{};
    bool customColorsSet_ = false;
    CdlgEvents *events_ = nullptr;
};

} // namespace ui
