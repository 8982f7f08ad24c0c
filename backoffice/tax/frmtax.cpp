#include "backoffice/tax/frmtax.h"

#include "ado/recordset.h"
#include "backoffice/tax/taxstatements.h"
#include "controls/popupmenu.h"
#include "controls/reportlist.h"
#include "core/aids/typedamount.h"
#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/rightguard.h"
#include "core/state/runhandler.h"
#include "core/ui/balloonhint.h"
#include "core/ui/columnfit.h"
#include "core/ui/showntext.h"
#include "core/ui/windowkit.h"
#include "frontdesk/booking/frmbooking.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "ui/topmost.h"
#include "ui/twips.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

namespace backoffice {

namespace {

const QString NamePlaceholder = QStringLiteral("Tax Name");

using core::TextOf;

// The typed percent as the amount it is stored as; nothing when the box is empty, reads
// "0%", is no number, or is a number too large for an amount ("1e300").
std::optional<vb::Currency> percentOf(const QString &typed)
{
    if (typed == QLatin1String("0%"))
        return std::nullopt;
    return core::TypedAmount(typed);
}

// A tax adds at most the whole price again.
bool sensiblePercent(vb::Currency percent) { return percent >= vb::Currency(0) && percent <= vb::Currency(100); }

} // namespace

frmTax::frmTax() : ui::Form(Name, ui::FormKind::TopLevel)
{
    SetCaption(QStringLiteral(" Tax Editor"));
    createControls();
    connectControls();
    core::CloseWhenRightLost(*this, [] { return core::TaxRightGranted(); });
}

frmTax::~frmTax() = default;

core::CBalloonToolTip &frmTax::tip()
{
    if (!tip_)
        tip_ = std::make_unique<core::CBalloonToolTip>();
    return *tip_;
}

void frmTax::removeBalloon()
{
    if (tip_)
        tip_->Destroy();
}

QWidget *frmTax::createTab(QLineEdit *&name, QLineEdit *&percent, QLabel *&sign, QPushButton *&add,
                           controls::ReportList *&list, const char *nameBox, const char *percentBox,
                           const char *signLabel, const char *addButton, const char *listName)
{
    auto *tab = new QWidget;
    auto *grid = new QGridLayout(tab);
    name = core::TextBox(QLatin1String(nameBox), tab);
    core::FitToColumn(name, QStringLiteral("tbl_Tax"), QStringLiteral("TaxName"));
    name->setText(NamePlaceholder);
    percent = core::TextBox(QLatin1String(percentBox), tab);
    percent->setText(QStringLiteral("0"));
    percent->setMaximumWidth(ui::TwipsToPixelsX(900));
    sign = core::Label(QStringLiteral("%"), QLatin1String(signLabel), tab);
    add = core::Button(QStringLiteral("&Add Tax"), QLatin1String(addButton), tab);
    list = core::Named(new controls::ReportList(tab), QLatin1String(listName));
    grid->addWidget(name, 0, 0);
    grid->addWidget(percent, 0, 1);
    grid->addWidget(sign, 0, 2);
    grid->addWidget(add, 0, 3);
    grid->addWidget(list, 1, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    for (QWidget *box : {static_cast<QWidget *>(name), static_cast<QWidget *>(percent)})
        box->installEventFilter(this);
    // Enter on a tab adds its tax; Escape closes the editor as "&OK" does.
    core::SetDefaultButton(*tab, add);
    return tab;
}

void frmTax::createControls()
{
    auto *layout = new QVBoxLayout(this);
    SSTab1 = core::Named(new QTabWidget(this), QStringLiteral("SSTab1"));
    SSTab1->addTab(createTab(txtTaxName, txtTaxPercent, Label1, Command2, ListView1, "txtTaxName", "txtTaxPercent",
                             "Label1", "Command2", "ListView1"),
                   QStringLiteral("Room Tax"));
    SSTab1->addTab(createTab(Text1, Text2, Label2, Command3, ListView2, "Text1", "Text2", "Label2", "Command3", "ListView2"),
                   QStringLiteral("Food && Beverages Tax"));
    layout->addWidget(SSTab1);
    Command1 = core::Button(QStringLiteral("&OK"), QStringLiteral("Command1"), this);
    layout->addLayout(core::ButtonRow({Command1}));

    AGPopUp1 = new controls::PopupMenu(this);
    AGPopUp1->setObjectName(QStringLiteral("AGPopUp1"));
    AGPopUp1->addItem(QStringLiteral("&Remove Tax"), QStringLiteral("TaxRemove"), 1000);
    core::CloseOnEscape(*this);
    resize(ui::TwipsToPixelsX(6600), ui::TwipsToPixelsY(5400));
}

void frmTax::connectControls()
{
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmTax::Command1_Click);
    core::ConnectHandler(Command2, &QPushButton::clicked, this, &frmTax::Command2_Click);
    core::ConnectHandler(Command3, &QPushButton::clicked, this, &frmTax::Command3_Click);
    core::ConnectHandler(ListView1, &controls::ReportList::itemClick, this, &frmTax::ListView1_Click);
    core::ConnectHandler(ListView2, &controls::ReportList::itemClick, this, &frmTax::ListView2_Click);
    for (controls::ReportList *list : {ListView1, ListView2}) {
        core::ConnectHandler(list, &controls::ReportList::mouseUp, this,
                             [this, list](int button, int, int, int) { ListView_MouseUp(list, button); });
    }
    core::ConnectHandler(AGPopUp1, &controls::PopupMenu::click, this, &frmTax::AGPopUp1_Click);
}

void frmTax::Form_Load()
{
    ui::SetTopMost(this, true);
    for (controls::ReportList *list : {ListView1, ListView2}) {
        list->addColumnHeader(QStringLiteral("Tax Name"), ui::TextWidthTwips(this, QStringLiteral("Abbrdrevooo00lkkkkkk")));
        list->addColumnHeader(QStringLiteral("Rate"), ui::TextWidthTwips(this, QStringLiteral("Ready-to-Run Visualkkkkkk")));
        list->addColumnHeader(QString(), 0);
        list->setFullRowSelect(true);
    }
    getRoomList();
    gettaxList2();
}

// The taxes are stored as they are added or removed: whichever way the editor closes, an
// open booking window takes the current room taxes.
void frmTax::Form_Unload(int &)
{
    removeBalloon();
    if (core::State().mBookingOpen) {
        if (auto *booking = ui::Forms::Find<frontdesk::frmBooking>())
            booking->getAllTax();
    }
}

void frmTax::fillList(controls::ReportList *list, int category)
{
    list->clear();
    std::shared_ptr<ado::Recordset> taxes;
    if (!core::ResumeNext([&] { taxes = core::OpenRecordset(TaxListSql(category)); }) || !taxes)
        return;
    core::ResumeNext([&] {
        for (; !taxes->IsEOF(); taxes->MoveNext()) {
            list->addRow({TextOf(taxes->Fields(QStringLiteral("taxName")).Value()),
                          TextOf(taxes->Fields(QStringLiteral("taxRate")).Value()) + QStringLiteral("%"),
                          TextOf(taxes->Fields(QStringLiteral("ID")).Value())});
        }
    });
}

void frmTax::getRoomList() { fillList(ListView1, RoomTaxCategory); }

void frmTax::gettaxList2() { fillList(ListView2, FoodTaxCategory); }

void frmTax::addTax(QLineEdit *name, QLineEdit *percent, const QString &percentHint, int category)
{
    if (vb::Trim(name->text()).isEmpty() || name->text() == NamePlaceholder) {
        core::ShowBalloonHint(tip(), name, QStringLiteral("Enter Tax Name"),
                              QStringLiteral("Please enter Tax Name!(eg: Service Tax, Sale Tax etc.)"));
        return;
    }
    const std::optional<vb::Currency> rate = percentOf(percent->text());
    if (!rate) {
        core::ShowBalloonHint(tip(), percent, QStringLiteral("Enter Tax Percent"), percentHint);
        return;
    }
    if (!sensiblePercent(*rate)) {
        core::ShowBalloonHint(tip(), percent, QStringLiteral("Invalid Tax Percent"),
                              QStringLiteral("Please Enter Tax Percent from 0 to 100!"));
        return;
    }
    bool stored = false;
    core::ResumeNext([&] { stored = core::ExecuteSQL(TaxInsertSql(name->text(), *rate, category), core::SqlAction::Insert); });
    if (stored)
        ui::MsgBox(QStringLiteral("Tax Name ") + name->text() + QStringLiteral(" added on the Tax List!"), ui::vbInformation);
    fillList(category == RoomTaxCategory ? ListView1 : ListView2, category);
}

void frmTax::Command2_Click()
{
    addTax(txtTaxName, txtTaxPercent,
           QStringLiteral("Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not Enter any Characters."), RoomTaxCategory);
}

void frmTax::Command3_Click()
{
    addTax(Text1, Text2, QStringLiteral("Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not Enter % symbol "),
           FoodTaxCategory);
}

void frmTax::ListView1_Click() { ListViewClcked = 1; }

void frmTax::ListView2_Click() { ListViewClcked = 2; }

void frmTax::ListView_MouseUp(controls::ReportList *list, int button)
{
    if (button != 2)
        return;
    popupList_ = list;
    AGPopUp1->popUp();
}

void frmTax::AGPopUp1_Click(const QString &itemName)
{
    if (itemName == QLatin1String("TaxRemove") && popupList_)
        removeTax(popupList_);
}

// Removes the selected row of the list the popup came from; with no row selected nothing
// is deleted. Both lists are refilled after a Yes.
void frmTax::removeTax(controls::ReportList *list)
{
    if (ui::MsgBox(QStringLiteral("Remove Selected Tax Details! Are you Sure?"),
                   ui::vbYesNo | ui::vbInformation | ui::vbDefaultButton2, QStringLiteral("Remove Tax"))
        != ui::vbYes)
        return;
    const int row = list->listIndex();
    if (row >= 1) {
        bool removed = false;
        core::ResumeNext([&] {
            removed = core::ExecuteSQL(TaxDeleteSql(vb::Val(list->subItem(row, 2))), core::SqlAction::Delete);
        });
        if (removed)
            ui::MsgBox(QStringLiteral("Tax ") + list->text(row) + QStringLiteral(" Removed!"), ui::vbInformation);
    }
    getRoomList();
    gettaxList2();
}

void frmTax::Command1_Click() { Unload(); }

// A press into a name box empties it while it shows its placeholder; one into the room
// percent box empties "0%". Every press takes the balloon away.
bool frmTax::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *box = qobject_cast<QLineEdit *>(watched);
        if ((box == txtTaxName || box == Text1) && box->text() == NamePlaceholder)
            box->clear();
        else if (box == txtTaxPercent && box->text() == QLatin1String("0%"))
            box->clear();
        core::RunGuarded([this] { removeBalloon(); });
    }
    return ui::Form::eventFilter(watched, event);
}

} // namespace backoffice
