#include "core/ui/failuremessage.h"

#include "core/db/dbworks.h"
#include "ui/dialogs.h"

namespace core {

void InstallFailureMessageBox()
{
    SetFailureMessageBox([](const QString &text) { ui::MsgBox(text, ui::vbOKOnly); });
}

} // namespace core
