#pragma once
// The core's own windows made known to the program: the error report that ReportError opens,
// the database settings window and the message box the statement layer shows after a failure,
// and the windows the main window opens by name ("frmAbout", "frmLogInOut", "ModifyPassword").
namespace core {

void RegisterCoreWindows();

} // namespace core
