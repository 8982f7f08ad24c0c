#pragma once
// The rich-text bill viewer: a child window showing a bill as editable rich text, with a
// band bar of formatting and editing buttons, a font list and a size list, an editing menu
// on the right button, the colour dialogs and saving as RTF. The guest bill and the food bill
// windows are this viewer with a bill of their own (buildBill).
#include "ui/form.h"

#include <QColor>
#include <QString>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QFrame;
class QToolBar;

namespace controls {
class PopupMenu;
class RichTextBox;
}

namespace ui {
class CommonDialog;
}

namespace frontdesk {

class RichTextViewer : public ui::Form {
    Q_OBJECT
public:
    controls::RichTextBox *RichText;
    QFrame *CoolBar1;   // band 1: Toolbar1; band 2: Picture2
    QToolBar *Toolbar1;
    QWidget *Picture2;
    QComboBox *Combo1;   // font names
    QComboBox *Combo2;   // font sizes
    controls::PopupMenu *popMnu;   // the editing menu on the text
    std::unique_ptr<ui::CommonDialog> Dialog1;   // the colour and save dialogs

    // The toolbar button of a key ("boldi"); nullptr for an unknown key.
    QAction *Button(const QString &key) const;

    // The editing operations, each one message to the text box.
    void Undo();
    void Redo();
    void cut();
    void copy();
    void paste();

    // Handlers, connected to the controls; public so that the tests run them as the user would.
    void Toolbar1_ButtonClick(const QString &key);
    void Combo1_Click();
    void Combo2_Click();
    void popMnu_ItemClick(const QString &itemName);
    void RichText_KeyDown(int &keyCode, int shift);
    void RichText_MouseDown(int button, int shift, double x, double y);

protected:
    RichTextViewer(const QString &name, const QString &caption);
    ~RichTextViewer() override;

    void Form_Load() override;
    void Form_Resize() override;
    // Puts the window's bill into RichText.
    virtual void buildBill() = 0;
    // The bill's text, its columns lined up by tab stops.
    void setBill(const QString &text);

private:
    void createControls();
    void createToolbar();
    void createPopupMenu();
    // Places the two bands; returns the band bar's height in pixels.
    int layoutBands();
    void toggleStyle(const QString &key, bool (controls::RichTextBox::*get)() const,
                     void (controls::RichTextBox::*set)(bool));
    // The colour dialog, opened with the colour of its last use; nullopt when cancelled.
    std::optional<QColor> pickColour(const QString &title);
    void PickTextColour();
    void PickBackColour();
    void SaveRichText();
};

} // namespace frontdesk
