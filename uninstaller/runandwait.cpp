#include "runandwait.h"

#include "system/drivepaths.h"

#include <QEventLoop>
#include <QProcess>
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

QStringList SplitCommandLine(const QString &commandLine)
{
    const QString trimmed = commandLine.trimmed();
    QString program, rest;
    if (trimmed.startsWith(QLatin1Char('"'))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char('"'), 1);
        program = close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1);
        rest = close < 0 ? QString() : trimmed.mid(close + 1);
    } else {
        const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
        program = space < 0 ? trimmed : trimmed.left(space);
        rest = space < 0 ? QString() : trimmed.mid(space + 1);
    }
    if (program.contains(QLatin1Char('\\')) || (program.size() >= 2 && program.at(1) == QLatin1Char(':')))
        if (const auto local = sys::LocalPath(program))
            program = *local;
    return QStringList{program} + QProcess::splitCommand(rest);
}

int RunAndWait(const QString &commandLine)
{
    const QStringList parts = SplitCommandLine(commandLine);
    if (parts.isEmpty() || parts.first().isEmpty())
        return -1;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, [&] { loop.quit(); });
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    process.start(parts.first(), parts.mid(1));
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
