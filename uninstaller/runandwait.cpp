#include "runandwait.h"

#include "system/drivepaths.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace uninst {

bool CountsAsBatchFile(const QString &commandLine)
{
    const qsizetype bat = commandLine.indexOf(QLatin1String(".BAT"));
    const qsizetype cmd = commandLine.indexOf(QLatin1String(".CMD"));
    const qsizetype exe = commandLine.indexOf(QLatin1String(".EXE"));
    if (bat < 0 && cmd < 0)
        return false;
    // ".EXE" before both (a missing one counts as far behind) makes it a program.
    const qsizetype far = commandLine.size() + 1;
    return !(exe >= 0 && exe < (bat < 0 ? far : bat) && exe < (cmd < 0 ? far : cmd));
}

namespace {

// Windows refuses a command line longer than this at once, and looks for the program only
// among names that fit in a path (MAX_PATH): no longer prefix is ever tried.
constexpr qsizetype MaxCommandLine = 32767;
constexpr qsizetype MaxProgramName = 260;

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// The file a program name stands for: a path of this machine when it is written with a
// drive or a "\", otherwise a program found on the search path.
std::optional<QString> programFile(const QString &name)
{
    if (name.contains(QLatin1Char('\\')) || (name.size() >= 2 && name.at(1) == QLatin1Char(':'))) {
        const std::optional<QString> local = sys::LocalPath(name);
        if (local && QFileInfo(*local).isFile())
            return local;
        return std::nullopt;
    }
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? std::nullopt : std::optional<QString>(found);
}

QString withDefaultExtension(const QString &name)
{
    const qsizetype separator = name.lastIndexOf(QLatin1Char('\\'));
    return name.indexOf(QLatin1Char('.'), separator + 1) < 0 ? name + QStringLiteral(".exe") : name;
}

} // namespace

std::optional<CommandProgram> FindCommandProgram(const QString &commandLine)
{
    if (commandLine.size() > MaxCommandLine)
        return std::nullopt;
    qsizetype begin = 0;
    while (begin < commandLine.size() && isBlank(commandLine.at(begin)))
        ++begin;
    const QString line = commandLine.mid(begin);
    if (line.startsWith(QLatin1Char('"'))) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), 1);
        if ((close < 0 ? line.size() - 1 : close - 1) > MaxProgramName)
            return std::nullopt;
        const std::optional<QString> program = programFile(close < 0 ? line.mid(1) : line.mid(1, close - 1));
        if (!program)
            return std::nullopt;
        return CommandProgram{*program, QProcess::splitCommand(close < 0 ? QString() : line.mid(close + 1))};
    }
    const qsizetype longest = qMin(line.size(), MaxProgramName);
    for (qsizetype end = 1; end <= longest; ++end) {
        if ((end < line.size() && !isBlank(line.at(end))) || isBlank(line.at(end - 1)))
            continue;   // each prefix ends at a blank, or at the end of the line
        if (const std::optional<QString> program = programFile(withDefaultExtension(line.left(end))))
            return CommandProgram{*program, QProcess::splitCommand(line.mid(end))};
    }
    return std::nullopt;
}

int RunAndWait(const QString &commandLine)
{
    const std::optional<CommandProgram> command = FindCommandProgram(commandLine);
    if (!command)
        return -1;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, [&] { loop.quit(); });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    process.start(command->program, command->arguments);
    if (!process.waitForStarted(-1))
        return -1;
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    QThread::msleep(50);
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 1;
    if (CountsAsBatchFile(commandLine))
        return exitCode == 0 ? 1 : 0;
    return exitCode != 0 ? 1 : 0;
}

} // namespace uninst
