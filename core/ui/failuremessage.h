#pragma once
// The statement layer's plain message box (core/db/dbworks.h, SetFailureMessageBox): shown
// through platform/ui like every other message box, with the OK button only.
namespace core {

void InstallFailureMessageBox();

} // namespace core
