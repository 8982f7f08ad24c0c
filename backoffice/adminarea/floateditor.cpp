#include "backoffice/adminarea/floateditor.h"

#include "core/state/runhandler.h"
#include "core/ui/windowkit.h"

namespace backoffice {

FloatEditor::FloatEditor(const QString &name) : ui::Form(name, ui::FormKind::TopLevel) {}

void FloatEditor::LoadIt(int32_t x, int32_t y)
{
    WX = x;
    WY = y;
}

void FloatEditor::setDialogKeys(QPushButton *save)
{
    core::SetDefaultButton(*this, save);
    core::CloseOnEscape(*this);
}

void FloatEditor::Form_Load()
{
    core::ResumeNext([this] { Move(WX, WY); });
    core::ResumeNext([this] { loadEditor(); });
}

} // namespace backoffice
