#pragma once
// Makes the front desk windows known by name (core::ShowWindow), so that the main window and
// other windows open them without depending on their libraries. The program's main calls it
// once at start.
namespace frontdesk {

void RegisterFrontDeskWindows();

} // namespace frontdesk
