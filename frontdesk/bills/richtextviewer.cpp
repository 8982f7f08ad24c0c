#include "frontdesk/bills/richtextviewer.h"

#include "controls/popupmenu.h"
#include "controls/richtextbox.h"
#include "core/state/connecthandler.h"
#include "core/ui/windowkit.h"
#include "frontdesk/bills/viewericons.h"
#include "ui/commondialog.h"
#include "ui/dialogs.h"
#include "ui/twips.h"
#include "ui/vbcolor.h"
#include "vb/conversions.h"
#include "vb/error.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>

#include <algorithm>
#include <QToolBar>

namespace frontdesk {

namespace {

// The window's size when it first opens, twips.
constexpr int DesignWidth = 11400;
constexpr int DesignHeight = 7500;
// The text box leaves this much of the window's inner height below it, twips.
constexpr int BottomMargin = 500;

struct ButtonSpec {
    const char *key;   // nullptr: a separator
    const char *toolTip;
    bool checkable;
};

// The toolbar in order; the last four buttons have no tool tip.
constexpr ButtonSpec Buttons[] = {
    {"boldi", "Blod", true},
    {"italici", "Italic", true},
    {"underlinei", "Underline", true},
    {"alignlefti", "Align Left", false},
    {"aligncenteri", "Align Center", false},
    {"alinerighti", "Align Rigt", false},
    {nullptr, nullptr, false},
    {"cuti", "Cut", false},
    {"copyi", "Copy", false},
    {"pastei", "Paste", false},
    {"colori", "Font Color", false},
    {nullptr, nullptr, false},
    {"backcolori", "", false},
    {"savei", "", false},
    {"undokey", "", false},
    {"redokey", "", false},
};

} // namespace

RichTextViewer::RichTextViewer(const QString &name, const QString &caption)
    : ui::Form(name, ui::FormKind::MdiChild)
{
    SetCaption(caption);
    createControls();
    createPopupMenu();
    Dialog1 = std::make_unique<ui::CommonDialog>(this);
}

RichTextViewer::~RichTextViewer() = default;

void RichTextViewer::createPopupMenu()
{
    popMnu = new controls::PopupMenu(RichText);
    popMnu->setObjectName(QStringLiteral("popMnu"));
    popMnu->addItem(QStringLiteral("Cut"), QStringLiteral("txtMnuCut"), 1000);
    popMnu->addItem(QStringLiteral("Copy"), QStringLiteral("txtMnuCopy"), 1001);
    popMnu->addItem(QStringLiteral("&Paste"), QStringLiteral("txtMnuPaste"), 1002);
    popMnu->addItem(QStringLiteral("-"), QStringLiteral("sep"), 1003);
    popMnu->addItem(QStringLiteral("Undo"), QStringLiteral("txtMnuUndo"), 1004);
    popMnu->addItem(QStringLiteral("Redo"), QStringLiteral("txtMnuRedo"), 1005);
    popMnu->addItem(QStringLiteral("-"), QStringLiteral("sepp"), 1006);
    popMnu->addItem(QStringLiteral("&Select All"), QStringLiteral("txtMnuSelect"), 1007);
    core::ConnectHandler(popMnu, &controls::PopupMenu::click, this, &RichTextViewer::popMnu_ItemClick);
}

void RichTextViewer::createControls()
{
    CoolBar1 = core::Named(new QFrame(this), QStringLiteral("CoolBar1"));
    CoolBar1->setFrameShape(QFrame::StyledPanel);
    createToolbar();

    Picture2 = core::Named(new QWidget(CoolBar1), QStringLiteral("Picture2"));
    auto *lists = new QHBoxLayout(Picture2);
    lists->setContentsMargins(0, 0, 0, 0);
    Combo1 = core::ComboBox(QStringLiteral("Combo1"), Picture2, core::ComboStyle::DropdownCombo);
    Combo1->setMinimumContentsLength(18);
    Combo2 = core::ComboBox(QStringLiteral("Combo2"), Picture2, core::ComboStyle::DropdownCombo);
    Combo2->setMinimumContentsLength(3);
    lists->addWidget(Combo1);
    lists->addWidget(Combo2);

    RichText = core::Named(new controls::RichTextBox(this), QStringLiteral("RichText"));
    RichText->setFont(QFont(QStringLiteral("Arial"), 10));

    core::ConnectHandler(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    core::ConnectHandler(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    core::ConnectHandler(RichText, &controls::RichTextBox::KeyDown, this, &RichTextViewer::RichText_KeyDown);
    core::ConnectHandler(RichText, &controls::RichTextBox::MouseDown, this, &RichTextViewer::RichText_MouseDown);

    Move(0, 0, DesignWidth, DesignHeight);
}

void RichTextViewer::createToolbar()
{
    Toolbar1 = core::Named(new QToolBar(CoolBar1), QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(24, 24));
    for (const ButtonSpec &spec : Buttons) {
        if (!spec.key) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(spec.key);
        QAction *button = Toolbar1->addAction(viewerIcon(key), QString());
        button->setObjectName(key);
        button->setToolTip(QString::fromLatin1(spec.toolTip));
        button->setCheckable(spec.checkable);
        core::ConnectHandler(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

QAction *RichTextViewer::Button(const QString &key) const
{
    for (QAction *button : Toolbar1->actions()) {
        if (!button->isSeparator() && button->objectName() == key)
            return button;
    }
    return nullptr;
}

void RichTextViewer::Form_Load()
{
    Combo1->addItems(QFontDatabase::families());
    Combo1->setEditText(QStringLiteral("Arial"));
    for (int size = 8; size <= 20; ++size)
        Combo2->addItem(QString::number(size));
    Combo2->setCurrentIndex(-1);
    buildBill();
}

void RichTextViewer::setBill(const QString &text)
{
    RichText->SetText(text);
    RichText->AlignTabColumns();
}

// The band bar spans the window: the toolbar band first, the lists band beside it, or on a
// row of its own when the window is too narrow for both.
int RichTextViewer::layoutBands()
{
    constexpr int Margin = 3;
    constexpr int Gap = 8;
    const QSize toolbar = Toolbar1->sizeHint();
    const QSize lists = Picture2->sizeHint();
    const int toolbarWidth = std::min(toolbar.width(), std::max(0, width() - 2 * Margin));
    if (width() >= toolbar.width() + Gap + lists.width() + 2 * Margin) {
        const int row = std::max(toolbar.height(), lists.height());
        Toolbar1->setGeometry(Margin, Margin + (row - toolbar.height()) / 2, toolbarWidth, toolbar.height());
        Picture2->setGeometry(Margin + toolbar.width() + Gap, Margin + (row - lists.height()) / 2, lists.width(),
                              lists.height());
        return row + 2 * Margin;
    }
    Toolbar1->setGeometry(Margin, Margin, toolbarWidth, toolbar.height());
    Picture2->setGeometry(Margin, 2 * Margin + toolbar.height(), lists.width(), lists.height());
    return toolbar.height() + lists.height() + 3 * Margin;
}

void RichTextViewer::Form_Resize()
{
    const int coolBarHeight = layoutBands();
    CoolBar1->setGeometry(0, 0, width(), coolBarHeight);
    const int belowPixels = ui::TwipsToPixelsY(BottomMargin);
    RichText->setGeometry(0, coolBarHeight, width(), std::max(0, height() - coolBarHeight - belowPixels));
}

void RichTextViewer::Undo() { RichText->SendMessage(controls::EM_UNDO); }
void RichTextViewer::Redo() { RichText->SendMessage(controls::EM_REDO); }
void RichTextViewer::cut() { RichText->SendMessage(controls::WM_CUT); }
void RichTextViewer::copy() { RichText->SendMessage(controls::WM_COPY); }
void RichTextViewer::paste() { RichText->SendMessage(controls::WM_PASTE); }

void RichTextViewer::toggleStyle(const QString &key, bool (controls::RichTextBox::*get)() const,
                                 void (controls::RichTextBox::*set)(bool))
{
    (RichText->*set)(!(RichText->*get)());
    Button(key)->setChecked((RichText->*get)());
}

void RichTextViewer::Toolbar1_ButtonClick(const QString &key)
{
    using controls::RichTextBox;
    if (key == QLatin1String("boldi"))
        toggleStyle(key, &RichTextBox::SelBold, &RichTextBox::SetSelBold);
    else if (key == QLatin1String("italici"))
        toggleStyle(key, &RichTextBox::SelItalic, &RichTextBox::SetSelItalic);
    else if (key == QLatin1String("underlinei"))
        toggleStyle(key, &RichTextBox::SelUnderline, &RichTextBox::SetSelUnderline);
    else if (key == QLatin1String("alignlefti"))
        RichText->SetSelAlignment(controls::rtfLeft);
    else if (key == QLatin1String("aligncenteri"))
        RichText->SetSelAlignment(controls::rtfCenter);
    else if (key == QLatin1String("alinerighti"))
        RichText->SetSelAlignment(controls::rtfRight);
    else if (key == QLatin1String("cuti"))
        cut();
    else if (key == QLatin1String("copyi"))
        copy();
    else if (key == QLatin1String("pastei"))
        paste();
    else if (key == QLatin1String("colori"))
        PickTextColour();
    else if (key == QLatin1String("backcolori"))
        PickBackColour();
    else if (key == QLatin1String("savei"))
        SaveRichText();
    else if (key == QLatin1String("undokey"))
        Undo();
    else if (key == QLatin1String("redokey"))
        Redo();
}

// While a list or a dialog has the focus, the selection stays shown.
void RichTextViewer::Combo1_Click()
{
    RichText->SetHideSelection(false);
    RichText->SetSelFontName(Combo1->currentText());
}

void RichTextViewer::Combo2_Click()
{
    RichText->SetHideSelection(false);
    const double size = vb::Val(Combo2->currentText());
    if (size > 0)
        RichText->SetSelFontSize(size);
    Combo2->setFocus();
}

// A cancelled dialog gives no colour at all: the colour of its last use would otherwise be
// applied again.
std::optional<QColor> RichTextViewer::pickColour(const QString &title)
{
    RichText->SetHideSelection(false);
    Dialog1->DialogTitle = title;
    Dialog1->CancelError = true;
    try {
        Dialog1->ShowColor();
    } catch (const vb::Error &error) {
        if (error.Number() != ui::cdlCancel)
            throw;
        return std::nullopt;
    }
    return ui::ColorFromVb(Dialog1->Color);
}

// Black (0) is never applied.
void RichTextViewer::PickTextColour()
{
    const std::optional<QColor> colour = pickColour(QStringLiteral("Text Colour"));
    if (colour && ui::VbFromColor(*colour) != 0)
        RichText->SetSelColor(*colour);
}

void RichTextViewer::PickBackColour()
{
    const std::optional<QColor> colour = pickColour(QStringLiteral("Background Colour"));
    if (colour && ui::VbFromColor(*colour) != 0)
        RichText->SetBackColor(*colour);
}

// Saved as RTF whatever extension the name has. A file that cannot be written is reported
// and nothing is left of it.
void RichTextViewer::SaveRichText()
{
    Dialog1->DialogTitle = QStringLiteral("Save");
    Dialog1->Filter = QStringLiteral("All Files (*.rtf)|*.rtf");
    Dialog1->CancelError = false;
    Dialog1->ShowSave();
    if (Dialog1->FileName.isEmpty())
        return;
    try {
        RichText->SaveFile(Dialog1->FileName);
    } catch (const vb::Error &error) {
        ui::MsgBox(error.Description() + QStringLiteral("\r\n") + Dialog1->FileName, ui::vbExclamation);
    }
}

void RichTextViewer::popMnu_ItemClick(const QString &itemName)
{
    if (itemName == QLatin1String("txtMnuCut")) {
        cut();
    } else if (itemName == QLatin1String("txtMnuCopy")) {
        copy();
    } else if (itemName == QLatin1String("txtMnuPaste")) {
        paste();
    } else if (itemName == QLatin1String("txtMnuUndo")) {
        Undo();
    } else if (itemName == QLatin1String("txtMnuRedo")) {
        Redo();
    } else if (itemName == QLatin1String("txtMnuSelect")) {
        RichText->SetSelStart(0);
        RichText->SetSelLength(int(RichText->Text().size()));
        RichText->setFocus();
    }
}

// The right button pops up the editing menu.
void RichTextViewer::RichText_MouseDown(int button, int, double, double)
{
    if (button == 2)
        popMnu->popUp();
}

// Tab and Shift+Tab put a tab into the text instead of moving the focus.
void RichTextViewer::RichText_KeyDown(int &keyCode, int)
{
    if (keyCode == controls::vbKeyTab) {
        RichText->SetSelText(QStringLiteral("\t"));
        keyCode = 0;
    }
}

} // namespace frontdesk
