#pragma once
// The Hotel program's start: every window library makes its windows known, so that windows
// open one another by name without depending on each other's libraries.
namespace app {

// Registers the core's own windows (with the error report and the statement layer's
// database settings window and message box), the front desk's and the back office's.
// Called once, before Main.
void RegisterProgramWindows();

} // namespace app
