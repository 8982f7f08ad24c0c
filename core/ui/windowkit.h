#pragma once
// The kit every window builds its controls with. Each factory takes the control's caption
// (where it has one), its name and its parent, in that order, and hands back the control
// with objectName set to the name, so tests and other windows reach it by that name:
//
//     Command5 = core::Button(QStringLiteral("Clear"), QStringLiteral("Command5"), Frame2);
//     Frame1 = core::Frame(QStringLiteral("Customer Details"), QStringLiteral("Frame1"), this);
//     txtFName = core::TextBox(QStringLiteral("txtFName"), Frame1);
//     layout->addLayout(core::ButtonRow({cmdOK, cmdCancel}));
//
// In a window's header, a control whose name says nothing (Command5) carries its caption in
// a comment: `QPushButton *Command5;   // "Clear"`.
#include <QString>
#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {
class Form;
}

namespace core {

// Sets objectName and hands the object back, for controls the kit has no factory for.
template <class W> W *Named(W *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

QLabel *Label(const QString &caption, const QString &name, QWidget *parent);
QPushButton *Button(const QString &caption, const QString &name, QWidget *parent);
QCheckBox *CheckBox(const QString &caption, const QString &name, QWidget *parent);
QRadioButton *OptionButton(const QString &caption, const QString &name, QWidget *parent);
QGroupBox *Frame(const QString &caption, const QString &name, QWidget *parent);

// A one-line text box.
QLineEdit *TextBox(const QString &name, QWidget *parent);
// A text box for an amount ("$0.00"): right-aligned, and a click or tab into it selects the
// whole text, so that typing replaces the amount instead of landing before it.
QLineEdit *AmountBox(const QString &name, QWidget *parent);
// A drop-down list of items only, or a drop-down combo that also takes typed text.
enum class ComboStyle { DropdownList, DropdownCombo };
QComboBox *ComboBox(const QString &name, QWidget *parent, ComboStyle style = ComboStyle::DropdownList);

// Text boxes enabled with a white background, or disabled and grey (the button face), as
// the settings windows show the boxes of the engine in use and of the other one.
void SetBoxesEnabled(std::initializer_list<QLineEdit *> boxes, bool enabled);

// Buttons side by side with the usual gap between them, pushed to the right or to the left;
// add the row to the window's layout.
enum class RowAlign { Right, Left };
QBoxLayout *ButtonRow(std::initializer_list<QPushButton *> buttons, RowAlign align = RowAlign::Right);

// Places a window of its own in the middle of its screen's available area, as dialogs open.
void CentreOnScreen(QWidget &window);
// Moves a window of its own, not yet shown or shown, so that its frame lies within its
// screen's available area, and makes it smaller where it is larger than that area, so that
// its buttons and its close box can always be reached. A window not yet framed by the window
// manager is given room for a title bar.
void KeepOnScreen(ui::Form &window);

// Enter in the window runs its default button, as in a dialog box: from any box that does
// not take Enter itself; a button that has the focus is the one Enter presses.
void SetDefaultButton(QWidget &window, QPushButton *button);
// Escape closes the window, as its close box does.
void CloseOnEscape(QWidget &window);

// Gap in pixels between two buttons of a row, so that neighbours never touch.
inline constexpr int ButtonGap = 8;

} // namespace core
