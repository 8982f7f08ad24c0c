#pragma once
// Start-up of the Hotel program: Main loads and shows the main window; the previous-instance
// test that refuses a second copy of the same installation; the test for an empty user table.
#include <QString>

namespace core {

// The program's start: clears the logged-in and booking flags, initialises the controls
// library, loads the main window (whose load does the rest of the start-up) and shows it.
// Every step runs even when the one before it failed.
void Main();

// Nothing to register on this platform: the controls are there once Qt is. True.
bool InitControlsLibrary();

// True when tbl_users has no row. Errors go to the caller.
bool NoUserAccounts();

// True when another running copy of the program already holds this installation (the
// program folder, by its canonical path). The first call of a copy takes the installation
// for as long as the copy runs; a crashed copy's hold is released with it.
bool AppPrevInstance();
// The lock file behind AppPrevInstance for the current program folder.
QString InstanceLockPath();

// Ends the program at once from inside the start-up (the second copy): Main then shows
// nothing, and the program's main returns without running its event loop.
void EndProgram();
bool ProgramEnded();

} // namespace core
