#include "core/mainwindow/load_frms.h"

#include "ado/recordset.h"
#include "core/db/dbworks.h"
#include "core/login/loginstatements.h"
#include "core/mainwindow/mainfrm.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "core/state/windowregistry.h"
#include "ui/forms.h"
#include "vb/app.h"
#include "vb/error.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <memory>

namespace core {

namespace {

bool &endedFlag()
{
    static bool ended = false;
    return ended;
}

// The installations this copy holds, by lock file; let go when the process ends.
QHash<QString, std::shared_ptr<QLockFile>> &heldInstallations()
{
    static QHash<QString, std::shared_ptr<QLockFile>> held;
    return held;
}

QString canonicalProgramFolder()
{
    const QString folder = vb::NativePath(vb::AppPath());
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

} // namespace

bool InitControlsLibrary() { return true; }

bool NoUserAccounts()
{
    const auto users = OpenRecordset(UserNamesSql());
    return !(Rows(users).RecordCount() > 0);
}

QString InstanceLockPath()
{
    const QByteArray key = QCryptographicHash::hash(canonicalProgramFolder().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir::tempPath() + QStringLiteral("/brevant-") + QString::fromLatin1(key.left(16)) + QStringLiteral(".lock");
}

bool AppPrevInstance()
{
    const QString path = InstanceLockPath();
    if (heldInstallations().contains(path))
        return false;
    auto lock = std::make_shared<QLockFile>(path);
    // Only a live holder counts: a lock left by a copy that died is taken over, however old.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError;
    heldInstallations().insert(path, lock);
    return false;
}

void EndProgram() { endedFlag() = true; }

bool ProgramEnded() { return endedFlag(); }

void Main()
{
    auto &state = State();
    ResumeNext([&] { state.mLoggedIn = false; });
    ResumeNext([] { InitControlsLibrary(); });
    ResumeNext([&] { state.mBookingOpen = false; });
    ResumeNext([] { ui::Forms::Get<mainFrm>(); });
    if (ProgramEnded()) {
        // The second copy: its main window goes without a trace, nothing shown or written.
        delete ui::Forms::Find<mainFrm>();
        return;
    }
    ResumeNext([] { ui::Forms::Get<mainFrm>().Show(ui::vbModeless); });
}

} // namespace core
