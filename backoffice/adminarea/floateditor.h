#pragma once
// The base of the administration area's two small editors (rooms, user rights): a modal
// window of its own, made anew for each use, placed by LoadIt at the clicked row and filled
// from the row at its load.
#include "ui/form.h"

#include <QString>
#include <cstdint>

class QPushButton;

namespace backoffice {

class FloatEditor : public ui::Form {
    Q_OBJECT
public:
    explicit FloatEditor(const QString &name);

    // Left and top edge in twips, applied at load.
    int32_t WX = 0;
    int32_t WY = 0;
    // Stores x into WX and y into WY; nothing else.
    void LoadIt(int32_t x, int32_t y);

protected:
    // As in a dialog box: Enter runs `save` (or the button that has the focus), Escape closes
    // the editor without saving.
    void setDialogKeys(QPushButton *save);
    // Continues past every error: the position, then the editor's own loading.
    void Form_Load() override;
    virtual void loadEditor() = 0;
};

} // namespace backoffice
