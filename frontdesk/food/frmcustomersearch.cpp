#include "frontdesk/food/frmcustomersearch.h"

#include "ado/recordset.h"
#include "controls/reportlist.h"
#include "core/db/dbworks.h"
#include "core/db/sqltext.h"
#include "core/state/connecthandler.h"
#include "core/state/rightguard.h"
#include "core/ui/showntext.h"
#include "core/ui/windowkit.h"
#include "frontdesk/food/customersearchstatements.h"
#include "frontdesk/food/frmfoodingbook.h"
#include "ui/forms.h"
#include "ui/topmost.h"
#include "ui/twips.h"
#include "vb/conversions.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace frontdesk {

namespace {
using core::TextOf;
} // namespace

frmCustomerSearch::frmCustomerSearch() : ui::Form(Name, ui::FormKind::TopLevel)
{
    SetCaption(QStringLiteral(" Search Customers"));
    auto *layout = new QVBoxLayout(this);
    Label1 = core::Label(QStringLiteral("Double Click on Customer to Select :"), QStringLiteral("Label1"), this);
    searchLV = core::Named(new controls::ReportList(this), QStringLiteral("searchLV"));
    searchLV->setFont(QFont(QStringLiteral("Arial"), 9));
    Command1 = core::Button(QStringLiteral("&Close"), QStringLiteral("Command1"), this);
    layout->addWidget(Label1);
    layout->addWidget(searchLV, 1);
    layout->addLayout(core::ButtonRow({Command1}));
    core::ConnectHandler(searchLV, &controls::ReportList::dblClick, this, &frmCustomerSearch::searchLV_DblClick);
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmCustomerSearch::Command1_Click);
    // It shows guests to a clerk and serves the order window, which a log-out closes.
    core::CloseWhenRightLost(*this);
}

frmCustomerSearch::~frmCustomerSearch() = default;

void frmCustomerSearch::Form_Load()
{
    searchLV->setFullRowSelect(true);
    searchLV->addColumnHeader(QStringLiteral("Customer ID"), ui::TextWidthTwips(this, QStringLiteral("Abbrdrev78897 iuy iyiyoiyiy")));
    searchLV->addColumnHeader(QStringLiteral("First Name"), ui::TextWidthTwips(this, QStringLiteral("Abbrdrev3653565387687hlkhlhkl")));
    searchLV->addColumnHeader(QStringLiteral("Last Name"),
                              ui::TextWidthTwips(this, QStringLiteral("Abbrdrev3653565387687hlkhlhklabcd")));
    resize(searchLV->horizontalHeader()->length() + 40, 300);
    search();
    ui::SetTopMost(this, true);
}

// Each found guest once, names with their stored apostrophes shown. After a failed query
// (already reported by the statement layer) the list stays empty.
void frmCustomerSearch::search()
{
    const frmFoodingBook *order = ui::Forms::Find<frmFoodingBook>();
    const auto guests = core::OpenRecordset(CustomerSearchSql(order ? order->CustomerSearchString : QString()));
    if (!guests)
        return;
    for (; !guests->IsEOF(); guests->MoveNext()) {
        searchLV->addRow({TextOf(guests->Fields(QStringLiteral("cUniqueNo")).Value()),
                          core::ShownApostrophes(TextOf(guests->Fields(QStringLiteral("cFirstName")).Value())),
                          core::ShownApostrophes(TextOf(guests->Fields(QStringLiteral("cLastName")).Value()))});
    }
}

// Hands the chosen guest to the order window that asked; with no row chosen, or with no
// order window open any more (after a logout), the search only closes.
void frmCustomerSearch::searchLV_DblClick()
{
    frmFoodingBook *order = ui::Forms::Find<frmFoodingBook>();
    const int row = searchLV->listIndex();
    if (order && row >= 1) {
        order->MyOrderID = searchLV->text(row);
        order->GetCustomerDetails();
    }
    Unload();
}

void frmCustomerSearch::Command1_Click() { Unload(); }

} // namespace frontdesk
