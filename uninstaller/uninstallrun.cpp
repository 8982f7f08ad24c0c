#include "uninstallrun.h"

#include "backups.h"
#include "filesteps.h"
#include "heartbeat.h"
#include "messagetable.h"
#include "rebootdelete.h"
#include "registrywalk.h"
#include "runandwait.h"
#include "safepaths.h"
#include "sharedfiles.h"
#include "singleinstance.h"
#include "templateimages.h"
#include "texts.h"

#include "system/drivepaths.h"
#include "system/pendingdeletes.h"
#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace uninst {

Switches ReadSwitches(const QString &commandLine)
{
    const QString upper = FromAnsi(ToAnsi(commandLine).upperCased());
    return {upper.contains(QLatin1String("/SILENT")), upper.contains(QLatin1String("/NOQUERY")),
            upper.contains(QLatin1String("/NOREMOVE"))};
}

namespace {

// A path of this machine as the Windows path it stands for: on the drive whose folder holds
// it (the innermost, as drive C may be "/"), else only with Windows separators.
QString windowsForm(const QString &localPath)
{
    QString drive, rest = localPath;
    qsizetype longest = -1;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        QString folder = sys::DriveFolder(QLatin1Char(letter));
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        if (folder.size() > longest && localPath.startsWith(folder)) {
            longest = folder.size();
            drive = QChar(letter).toUpper() + QStringLiteral(":\\");
            rest = localPath.mid(folder.size());
        }
    }
    return drive + rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace

QString WindowsCommandLine(const QString &programPath, const QStringList &arguments)
{
    return (QStringList{QLatin1Char('"') + windowsForm(programPath) + QLatin1Char('"')} + arguments).join(QLatin1Char(' '));
}

UninstallRun::UninstallRun(QString ownPath, QString commandLine)
    : ownPath_(std::move(ownPath)), commandLine_(std::move(commandLine))
{
}

UninstallRun::~UninstallRun() = default;

std::optional<int> UninstallRun::stop(const char *text)
{
    if (!switches_.silent)
        ui::MsgBoxCaptioned(QString::fromLatin1(text), ui::vbCritical, caption_);
    return 0;
}

void UninstallRun::report(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    if (!switches_.silent)
        ui::MsgBoxCaptioned(text, ui::vbCritical, caption_);
}

void UninstallRun::pump()
{
    QCoreApplication::processEvents();
}

void UninstallRun::mark(uint32_t id)
{
    if (switches_.silent)
        return;
    window_->showControl(id);
    pump();
}

std::optional<int> UninstallRun::start()
{
    switches_ = ReadSwitches(commandLine_);

    const AppendedData appended = ReadAppendedData(QFile::encodeName(ownPath_).toStdString());
    if (appended.status == DataStatus::Unreadable)
        return stop(CannotReadText);
    if (appended.status == DataStatus::OutOfMemory)
        return stop(OutOfMemoryText);
    if (appended.status != DataStatus::Read)
        return stop(CorruptText);
    DataResult read = ReadUninstallData(appended.wrapped);
    if (read.status != DataStatus::Read)
        return stop(CorruptText);
    data_ = std::move(read.data);

    if (!data_.hasHeader)
        switches_.silent = true;
    Messages() = MessageTable();
    if (!data_.messageTable.isEmpty())
        Messages().load(data_.messageTable);
    const QString productName = FromAnsi(data_.product.name);
    caption_ = MessageWith(0, data_.product.name);

    // A run with a window needs a template that makes one: found out before anything is
    // asked or changed.
    if (!switches_.silent) {
        WindowRecord window;
        std::vector<ControlRecord> controls;
        if (ParseTemplate(data_.windowTemplate, 1000, Messages().languageId(), &window, &controls) != TemplateRead
            || !(window.style & WS_VISIBLE_STYLE))
            return stop(CorruptText);
    }

    instance_ = std::make_unique<SingleInstance>(QStringLiteral("cuin_") + productName + QStringLiteral("_mutex"));
    if (!instance_->acquired()) {
        // Another copy at work ends this one quietly; a lock that cannot be made is no reason
        // to believe that, and nothing has been removed: say so.
        if (!instance_->heldElsewhere())
            report(QStringLiteral("The uninstaller cannot lock its run (%1), so nothing was removed.")
                       .arg(instance_->failure()));
        return 0;
    }

    if (!switches_.silent && !switches_.noQuery
        && ui::MsgBoxCaptioned(MessageWith(1, data_.product.name), ui::vbYesNo + ui::vbQuestion, caption_) == ui::vbNo)
        return 0;

    const ByteString &kind = data_.product.commandKind;
    if (!kind.isEmpty() && !(kind == ByteString("101")) && !(kind == ByteString("100"))
        && !data_.product.commandLine.isEmpty()
        && RunAndWait(FromAnsi(data_.product.commandLine)) == 0)
        return 0;

    if (!switches_.silent) {
        ImageTable().clear();
        LoadImageTable(data_.imageTable, &ImageTable());
        window_ = std::make_unique<UninstallWindow>(
            productName, &left_, [this] { offerReboot(); },
            [this](int value) {
                quitValue_ = value;
                loop_.exit(value);
            });
        if (window_->create(data_.windowTemplate) != WindowCreated && !window_->isOwnWindow())
            return stop(CorruptText);
        window_->setWindowTitle(caption_);
        pump();
    }

    if (data_.hasRegistryTree && !registryRightsSuffice()) {
        if (!switches_.silent)
            ui::MsgBoxCaptioned(MessageText(2), ui::vbOKOnly, caption_);
        return 0;
    }
    mark(MarkRights);

    if (!switches_.silent)
        SetHeartbeat([this] { pump(); });
    const StepContext context{switches_.silent, window_.get(), caption_, &left_};
    RemoveSharedFiles(data_.shared, context);
    mark(MarkShared);
    ProcessBackups(data_.backups, data_.hasBackupsBody, context);
    mark(MarkBackups);
    RemoveFiles(data_.files, context);
    mark(MarkFiles);
    if (!switches_.noRemove)
        moveOutOfProductFolder();
    QDir::setCurrent(sys::DriveFolder(QLatin1Char('c')));
    RemoveDirectories(data_.directories, context);
    mark(MarkDirectories);
    if (data_.hasRegistryTree)
        removeRegistry();
    if (!switches_.noRemove)
        scheduleOwnDeletion();
    for (const ByteString &line : ListLines(left_.inUse))
        if (line.length() > 3)
            if (const std::optional<QString> path = SafeLocalPath(line))
                DeleteAtReboot(*path);
    rebootFlag_ = !left_.inUse.isEmpty();
    SetHeartbeat({});

    if (switches_.silent)
        return 1;
    if (quitValue_)
        return quitValue_;   // the window was closed during the removal
    window_->finish();
    return std::nullopt;
}

int UninstallRun::waitForClose()
{
    if (quitValue_)
        return *quitValue_;
    return loop_.exec();
}

int UninstallRun::exec()
{
    if (const std::optional<int> code = start())
        return *code;
    return waitForClose();
}

bool UninstallRun::registryRightsSuffice()
{
    for (int root = 0; root < 4; ++root) {
        const reg::Batch batch;   // one read of the root's store for the whole walk
        if (!ProcessRegistryTree(&RegistryRoot(root), data_.registry[size_t(root)], WalkMode::Check, nullptr, nullptr))
            return false;
    }
    return true;
}

void UninstallRun::removeRegistry()
{
    for (int root = 0; root < 4; ++root) {
        const reg::Batch batch;   // one read and one write of the root's store
        QStringList path{reg::RootName(RegistryRoot(root).root())};
        ProcessRegistryTree(&RegistryRoot(root), data_.registry[size_t(root)], WalkMode::Remove, &path,
                            &left_.registryKeys);
    }
}

void UninstallRun::moveOutOfProductFolder()
{
    // The product's folder can only go once the running program has left it.
    const QString ownFolder = QFileInfo(ownPath_).absolutePath();
    if (ownFolder.compare(QDir(sys::WindowsDirectory()).absolutePath(), Qt::CaseInsensitive) == 0)
        return;
    QTemporaryFile name(QDir(QDir::tempPath()).filePath(QStringLiteral("uniXXXXXX.tmp")));
    if (!name.open())
        return;
    const QString target = name.fileName();
    name.close();
    name.remove();
    if (QFile::rename(ownPath_, target))
        ownPath_ = target;
}

void UninstallRun::scheduleOwnDeletion()
{
    const QString backup = ownPath_ + QStringLiteral(".bak");
    ClearReadOnly(backup);
    sys::DeleteFileEntry(backup);
    if (QFile::rename(ownPath_, backup))
        ownPath_ = backup;
    DeleteAtReboot(ownPath_);
}

void UninstallRun::offerReboot()
{
    if (!rebootFlag_)
        return;
    rebootFlag_ = false;
    if (ui::MsgBoxCaptioned(MessageText(8), ui::vbYesNo, caption_) == ui::vbYes)
        sys::RequestRestart();
}

} // namespace uninst
