#pragma once
// The product's own command, run before the removal: its exit code tells whether to go on.
#include <QString>
#include <QStringList>

#include <optional>

namespace uninst {

// 1 go on, 0 cancel, -1 could not start. Events are served while it runs.
int RunAndWait(const QString &commandLine);

// A command line that names a batch file (".BAT" or ".CMD" before any ".EXE", exact
// upper case) succeeds with exit code 0; a program succeeds with any other exit code.
bool CountsAsBatchFile(const QString &commandLine);

struct CommandProgram {
    QString program;   // a path of this machine
    QStringList arguments;
};
// The program a Windows command line starts when no application name is given, found as
// Windows finds it: a quoted first token is the program as it stands; otherwise each
// prefix that ends at a blank is tried in turn (".exe" added to one without an extension)
// until one names a file. Nothing when none does, for a command line over 32,767 characters
// and for a program name longer than a path may be (260 characters): Windows refuses both.
std::optional<CommandProgram> FindCommandProgram(const QString &commandLine);

} // namespace uninst
