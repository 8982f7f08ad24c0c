#pragma once
// Makes the back office windows known by name (core::ShowWindow), so that the main window
// opens them without depending on their libraries. The program's main calls it once at start.
namespace backoffice {

void RegisterBackOfficeWindows();

} // namespace backoffice
