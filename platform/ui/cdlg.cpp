#include "ui/cdlg.h"

#include "ui/vbcolor.h"
#include "vb/error.h"

#include <QFileInfo>
#include <QObject>
#include <QVariant>
#include <algorithm>
#include <QStringList>

namespace ui {

namespace {
constexpr int kBufferChars = 260;
constexpr uint32_t kSystemColorBase = 0x80000000;

// The filter as the dialog takes it: ":" separates like "|".
QString dialogFilter(const QString &filter)
{
    QString f = filter;
    f.replace(QLatin1Char(':'), QLatin1Char('|'));
    return f;
}

// The chosen pair (from 1) of a filter, joined by a NUL; empty when there is none.
QString chosenFilter(const QString &filter, long index)
{
    const QStringList parts = dialogFilter(filter).split(QLatin1Char('|'));
    const qsizetype at = 2 * (index - 1);
    if (index < 1 || at >= parts.size())
        return {};
    return parts[at] + QChar(0) + parts.value(at + 1);
}

// A name as the 260-character buffer carries it: up to its first NUL.
QString fromBuffer(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

void checkFitsBuffer(const QString &text)
{
    if (text.size() >= kBufferChars)
        throw vb::Error::standard(vb::errInvalidProcedureCall, QStringLiteral("CDLG"));
}
} // namespace

CDLG::CDLG() = default;

void CDLG::begin(CdlgEvents *events)
{
    apiReturn_ = 0;
    extendedError_ = 0;
    events_ = events;
}

bool CDLG::finish(bool confirmed)
{
    apiReturn_ = confirmed ? 1 : 0;
    events_ = nullptr;
    return confirmed;
}

long CDLG::DialogHook(intptr_t window, long message, long notifyCode)
{
    if (!events_)
        return 0;
    switch (message) {
    case WM_NOTIFY:
        switch (notifyCode) {
        case CDN_TYPECHANGE: events_->TypeChange(window); break;
        case CDN_FOLDERCHANGE: events_->FolderChange(window); break;
        case CDN_SELCHANGE: events_->FileChange(window); break;
        case CDN_FILEOK: return events_->ConfirmOK(window) ? 0 : 1;
        default: break;
        }
        break;
    case WM_NCDESTROY: events_->DialogClose(window); break;
    case WM_INITDIALOG: events_->InitDialog(window); break;
    default: break;
    }
    return 0;
}

bool CDLG::fileDialog(bool save, QString &fileName, QString &fileTitle, QString &filter, long &filterIndex,
                      const QString &initDir, const QString &dlgTitle, const QString &defaultExt, QWidget *owner,
                      long &flags, long dialogFlags, CdlgEvents *events)
{
    checkFitsBuffer(fileName);
    checkFitsBuffer(fileTitle);
    begin(events);
    const FileDialogOptions options{.title = dlgTitle,
                                    .filter = dialogFilter(filter),
                                    .filterIndex = static_cast<int>(filterIndex),
                                    .fileName = fromBuffer(fileName),
                                    .initialDir = initDir,
                                    .defaultExt = defaultExt,
                                    .overwritePrompt = (dialogFlags & OFN_OVERWRITEPROMPT) != 0,
                                    .fileMustExist = (dialogFlags & OFN_FILEMUSTEXIST) != 0,
                                    .owner = owner};
    const FileDialogResult result = save ? GetSaveFileName(options) : GetOpenFileName(options);
    if (!finish(result.accepted)) {
        fileName.clear();
        fileTitle.clear();
        filter.clear();
        flags = 0;
        filterIndex = save ? 0 : -1;
        return false;
    }
    fileName = fromBuffer(result.fileName);
    fileTitle = QFileInfo(fileName).fileName();
    flags = dialogFlags;
    filterIndex = result.filterIndex;
    filter = chosenFilter(filter, filterIndex);
    return true;
}

bool CDLG::VBGetSaveFileName(QString &fileName, QString &fileTitle, bool overwritePrompt, QString &filter,
                             long &filterIndex, const QString &initDir, const QString &dlgTitle,
                             const QString &defaultExt, QWidget *owner, long &flags, CdlgEvents *events)
{
    long dialogFlags = (flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE)) | OFN_HIDEREADONLY;
    if (overwritePrompt)
        dialogFlags |= OFN_OVERWRITEPROMPT;
    return fileDialog(true, fileName, fileTitle, filter, filterIndex, initDir, dlgTitle, defaultExt, owner, flags,
                      dialogFlags, events);
}

bool CDLG::VBGetOpenFileName(QString &fileName, QString &fileTitle, bool fileMustExist, bool multiSelect,
                             bool &readOnly, bool hideReadOnly, QString &filter, long &filterIndex,
                             const QString &initDir, const QString &dlgTitle, const QString &defaultExt,
                             QWidget *owner, long &flags, CdlgEvents *events)
{
    long dialogFlags = flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE);
    if (fileMustExist)
        dialogFlags |= OFN_FILEMUSTEXIST;
    if (multiSelect)
        dialogFlags |= OFN_ALLOWMULTISELECT;
    if (readOnly)
        dialogFlags |= OFN_READONLY;
    if (hideReadOnly)
        dialogFlags |= OFN_HIDEREADONLY;
    const bool confirmed = fileDialog(false, fileName, fileTitle, filter, filterIndex, initDir, dlgTitle,
                                      defaultExt, owner, flags, dialogFlags, events);
    if (confirmed && (flags & OFN_READONLY))
        readOnly = true;
    return confirmed;
}

QString CDLG::VBGetFileTitle(const QString &path)
{
    checkFitsBuffer(path);
    return QFileInfo(fromBuffer(path)).fileName();
}

uint32_t CDLG::CustomColor(int index) const
{
    if (index < 0 || index > 15)
        throw vb::Error::standard(vb::errSubscriptOutOfRange, QStringLiteral("CDLG"));
    if (!customColorsSet_) {
        // Until set, the custom colours are the system colours 0 to 15.
        return VbFromColor(ColorFromVb(kSystemColorBase + static_cast<uint32_t>(index)));
    }
    return customColors_[static_cast<size_t>(index)];
}

void CDLG::SetCustomColor(int index, uint32_t color)
{
    if (index < 0 || index > 15)
        throw vb::Error::standard(vb::errSubscriptOutOfRange, QStringLiteral("CDLG"));
    if (!customColorsSet_) {
        for (int i = 0; i < 16; ++i)
            customColors_[static_cast<size_t>(i)] = CustomColor(i);
        customColorsSet_ = true;
    }
    customColors_[static_cast<size_t>(index)] = color;
}

bool CDLG::VBChooseColor(long &color, QWidget * /*owner*/)
{
    begin(nullptr);
    const std::optional<QColor> chosen = ChooseColor(ColorFromVb(static_cast<uint32_t>(color)));
    color = chosen ? static_cast<long>(VbFromColor(*chosen)) : -1;
    return finish(chosen.has_value());
}

bool CDLG::VBChooseFont(QFont &font, QWidget * /*owner*/, int minSize, int maxSize)
{
    begin(nullptr);
    std::optional<QFont> chosen = ChooseFont(font);
    if (chosen && minSize > 0 && maxSize >= minSize)
        chosen->setPointSize(std::clamp(chosen->pointSize(), minSize, maxSize));
    if (chosen)
        font = *chosen;
    return finish(chosen.has_value());
}

bool CDLG::VBPrintDlg(PrintDialogSettings &settings, QObject *printer, QWidget *owner)
{
    begin(nullptr);
    const std::optional<PrintDialogSettings> chosen = PrintDialog(settings, owner);
    if (chosen) {
        settings = *chosen;
        if (printer) {
            printer->setProperty("Copies", chosen->copies);
            printer->setProperty("PaperSize", chosen->paperSize);
        }
    }
    return finish(chosen.has_value());
}

bool CDLG::VBPageSetupDlg2(PageSetupSettings &settings, QWidget *owner)
{
    begin(nullptr);
    const std::optional<PageSetupSettings> chosen = PageSetupDialog(settings, owner);
    if (chosen)
        settings = *chosen;
    return finish(chosen.has_value());
}

bool CDLG::VBPageSetupDlg(int &left, int &top, int &right, int &bottom, bool inches, QWidget *owner)
{
    PageSetupSettings settings{.left = double(left), .top = double(top), .right = double(right),
                               .bottom = double(bottom), .inches = inches};
    if (!VBPageSetupDlg2(settings, owner))
        return false;
    left = qRound(settings.left);
    top = qRound(settings.top);
    right = qRound(settings.right);
    bottom = qRound(settings.bottom);
    return true;
}

} // namespace ui
