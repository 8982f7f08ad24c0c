#pragma once
// The Hotel program's start: every window library makes its windows known, so that windows
// open one another by name without depending on each other's libraries.
namespace app {

// Installs the error report and database settings windows and registers the windows of the
// core and of the front desk. Called once, before Main.
void RegisterProgramWindows();

} // namespace app
