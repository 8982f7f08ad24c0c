#pragma once
// The product's own command, run before the removal: its exit code tells whether to go on.
#include <QString>
#include <QStringList>

namespace uninst {

// 1 go on, 0 cancel, -1 could not start. Events are served while it runs.
int RunAndWait(const QString &commandLine);

// A command line that names a batch file (".BAT" or ".CMD" before any ".EXE", exact
// upper case) succeeds with exit code 0; a program succeeds with any other exit code.
bool CountsAsBatchFile(const QString &commandLine);

// The program and arguments of a Windows command line, the program as a path of this
// machine when it is written with a drive or a "\".
QStringList SplitCommandLine(const QString &commandLine);

} // namespace uninst
