#include "backoffice/adminarea/floateditor.h"

#include "core/state/runhandler.h"
#include "core/ui/windowkit.h"

#include <QLayout>

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
    // Opened beside a row near the screen's edge, or made large by a long text, the editor
    // still shows whole.
    core::ResumeNext([this] {
        if (layout())
            layout()->activate();
        core::KeepOnScreen(*this);
    });
}

} // namespace backoffice
