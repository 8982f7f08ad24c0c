#include "ui/qtdialogs.h"

#include "ui/desktop.h"
#include "ui/filefilter.h"
#include "ui/qtprogress.h"
#include "ui/sound.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QMessageBox>
#include <QCursor>
#include <QPushButton>

namespace ui {

namespace {
QWidget *ownerOr(QWidget *owner) { return owner ? owner : QApplication::activeWindow(); }

QMessageBox::Icon iconOf(int style)
{
    switch (MsgBoxIconOf(style)) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton buttonOf(int answer)
{
    switch (answer) {
    case vbOK: return QMessageBox::Ok;
    case vbCancel: return QMessageBox::Cancel;
    case vbAbort: return QMessageBox::Abort;
    case vbRetry: return QMessageBox::Retry;
    case vbIgnore: return QMessageBox::Ignore;
    case vbYes: return QMessageBox::Yes;
    case vbNo: return QMessageBox::No;
    default: return QMessageBox::NoButton;
    }
}

FileDialogResult runFileDialog(const FileDialogOptions &options, QFileDialog::AcceptMode mode)
{
    QString start = options.initialDir;
    if (!options.fileName.isEmpty())
        start = start.isEmpty() ? options.fileName : QDir(start).filePath(options.fileName);

    QFileDialog dialog(ownerOr(options.owner), options.title, start);
    dialog.setAcceptMode(mode);
    const QStringList filters = QtNameFilters(options.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (options.filterIndex >= 1 && options.filterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(options.filterIndex - 1));
    }
    if (!options.defaultExt.isEmpty())
        dialog.setDefaultSuffix(options.defaultExt);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
    } else {
        dialog.setFileMode(options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.fileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    result.filterIndex = filters.isEmpty() ? 0 : NameFilterIndex(filters, dialog.selectedNameFilter());
    return result;
}
} // namespace

int QtDialogs::messageBox(const MessageBoxRequest &request)
{
    QMessageBox box(iconOf(request.style), request.title, request.prompt, QMessageBox::NoButton,
                    ownerOr(nullptr));
    const QList<int> answers = MsgBoxAnswers(request.style);
    for (int answer : answers)
        box.addButton(buttonOf(answer));
    box.setDefaultButton(buttonOf(MsgBoxDefaultAnswer(request.style)));
    const int escape = MsgBoxEscapeAnswer(request.style);
    if (escape != 0)
        box.setEscapeButton(buttonOf(escape));
    box.exec();
    for (int answer : answers) {
        if (box.clickedButton() == box.button(buttonOf(answer)))
            return answer;
    }
    return escape != 0 ? escape : MsgBoxDefaultAnswer(request.style);
}

int QtDialogs::choose(const ChoiceRequest &request)
{
    QMessageBox box(QMessageBox::NoIcon, request.title, request.prompt, QMessageBox::NoButton,
                    ownerOr(request.owner));
    QList<std::pair<QAbstractButton *, int>> buttons;
    for (const auto &[answer, label] : request.buttons) {
        // Action buttons give the box no escape button: only a click ends it.
        QPushButton *button = box.addButton(label, QMessageBox::ActionRole);
        buttons.append({button, answer});
        if (answer == request.defaultAnswer)
            box.setDefaultButton(button);
    }
    box.exec();
    for (const auto &[button, answer] : buttons)
        if (box.clickedButton() == button)
            return answer;
    return request.defaultAnswer;
}

std::optional<QString> QtDialogs::inputBox(const InputBoxRequest &request)
{
    bool ok = false;
    const QString text = QInputDialog::getText(ownerOr(nullptr), request.title, request.prompt,
                                               QLineEdit::Normal, request.defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

FileDialogResult QtDialogs::openFile(const FileDialogOptions &options)
{
    return runFileDialog(options, QFileDialog::AcceptOpen);
}

FileDialogResult QtDialogs::saveFile(const FileDialogOptions &options)
{
    return runFileDialog(options, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogs::chooseColor(const QColor &initial, const QString &title)
{
    const QColor chosen = QColorDialog::getColor(initial, ownerOr(nullptr), title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtDialogs::chooseFont(const QFont &initial, const QString &title)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, ownerOr(nullptr), title);
    if (!ok)
        return std::nullopt;
    return chosen;
}

std::optional<PrintDialogSettings> QtDialogs::printDialog(const PrintDialogSettings &initial, QWidget *owner)
{
    QPrinter printer;
    printer.setFromTo(initial.fromPage, initial.toPage);
    printer.setCopyCount(initial.copies);
    printer.setCollateCopies(initial.collate);
    static constexpr QPrinter::PrintRange ranges[] = {QPrinter::AllPages, QPrinter::Selection, QPrinter::PageRange};
    printer.setPrintRange(ranges[initial.range]);
    QPrintDialog dialog(&printer, ownerOr(owner));
    dialog.setMinMax(initial.minPage, initial.maxPage);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintDialogSettings chosen = initial;
    chosen.range = printer.printRange() == QPrinter::Selection  ? PrintDialogSettings::Selection
                 : printer.printRange() == QPrinter::PageRange ? PrintDialogSettings::PageRange
                                                               : PrintDialogSettings::AllPages;
    chosen.fromPage = printer.fromPage();
    chosen.toPage = printer.toPage();
    chosen.copies = printer.copyCount();
    chosen.collate = printer.collateCopies();
    chosen.paperSize = printer.pageLayout().pageSize().id();
    return chosen;
}

std::optional<PageSetupSettings> QtDialogs::pageSetupDialog(const PageSetupSettings &initial, QWidget *owner)
{
    QPrinter printer;
    const QPageLayout::Unit unit = initial.inches ? QPageLayout::Inch : QPageLayout::Millimeter;
    if (initial.paperSize > 0)
        printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(initial.paperSize)));
    printer.setPageMargins(QMarginsF(initial.left, initial.top, initial.right, initial.bottom), unit);
    QPageSetupDialog dialog(&printer, ownerOr(owner));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QMarginsF margins = printer.pageLayout().margins(unit);
    PageSetupSettings chosen = initial;
    chosen.left = margins.left();
    chosen.top = margins.top();
    chosen.right = margins.right();
    chosen.bottom = margins.bottom();
    chosen.paperSize = printer.pageLayout().pageSize().id();
    return chosen;
}

std::optional<QString> QtDialogs::popupMenu(const PopupMenuRequest &request)
{
    QMenu menu(request.owner);
    for (const PopupMenuItem &item : request.items) {
        if (!item.visible)
            continue;
        if (item.separator) {
            menu.addSeparator();
            continue;
        }
        QAction *action = menu.addAction(item.caption);
        action->setData(item.name);
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
    const QAction *chosen = menu.exec(request.at.value_or(QCursor::pos()));
    if (!chosen)
        return std::nullopt;
    return chosen->data().toString();
}

bool QtDialogs::shellOpen(const QString &target) { return OpenWithDesktop(target); }

bool QtDialogs::startProgram(const QStringList &candidates, const QStringList &arguments)
{
    return StartInstalledProgram(candidates, arguments);
}

bool QtDialogs::playSound(const QString &file) { return PlaySoundFile(file); }

std::unique_ptr<Progress> QtDialogs::progress(const ProgressRequest &request)
{
    return std::make_unique<QtProgress>(request);
}

} // namespace ui
