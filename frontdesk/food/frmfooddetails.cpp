// The guest food orders window: the guest's orders, the selected order's items and total,
// the food taxes, and the removal of an order.
#include "frontdesk/food/frmfooddetails.h"

#include "ado/recordset.h"
#include "controls/reportlist.h"
#include "core/aids/scrollresize.h"
#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "core/state/windowregistry.h"
#include "core/ui/showntext.h"
#include "frontdesk/bills/frmfoodtxtview.h"
#include "frontdesk/food/fooddetailsstatements.h"
#include "frontdesk/food/foodingbookstatements.h"
#include "frontdesk/shared/guestlistselection.h"
#include "ui/dialogs.h"
#include "ui/twips.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>

namespace frontdesk {

namespace {

// A size that shows every column of the two lists.
constexpr int DesignWidth = 12000;
constexpr int DesignHeight = 7800;

using core::TextOf;

using core::CurrencyText;

vb::Currency currencyOf(const QString &text) { return vb::CCur(vb::Variant(text)); }

QString withoutSign(const QString &text) { return QString(text).remove(QLatin1Char('#')).trimmed(); }

// The widest order id: the order sign and 18 digits (six draws of three digits each).
const QString WidestOrderId = QLatin1Char('#') + QString(18, QLatin1Char('0'));

} // namespace

frmFoodDetails::frmFoodDetails() : ui::Form(Name, ui::FormKind::MdiChild)
{
    SetCaption(QStringLiteral("Food & Beverages Order Details"));
    createControls();
}

frmFoodDetails::~frmFoodDetails() = default;

double frmFoodDetails::PercentFunction(double Percent, double PercentOf) { return Percent / 100 * PercentOf; }

void frmFoodDetails::Form_Load()
{
    core::RunHandler(QStringLiteral("FRFD002"), core::ReportMode::Modal, [this] {
        OrderLV->setFullRowSelect(true);
        ItemsLV->setFullRowSelect(true);
        OrderLV->addColumnHeader(QStringLiteral("Order ID"), orderIdWidth());
        OrderLV->addColumnHeader(QStringLiteral("Order Date"),
                                 ui::TextWidthTwips(this, QStringLiteral("Item Priceoo45245452iuyiuiuyiy")));
        OrderLV->addColumnHeader(QStringLiteral("Status"), ui::TextWidthTwips(this, QStringLiteral("Item Priceoo")));
        OrderLV->addColumnHeader(QString(), 0);
        ItemsLV->addColumnHeader(QStringLiteral("Item(s) Ordered"),
                                 ui::TextWidthTwips(this, QStringLiteral("Abbrdreopuiop3245254252")));
        ItemsLV->addColumnHeader(QStringLiteral("Price"), ui::TextWidthTwips(this, QStringLiteral("Item Priceoo45245452")));
        refreshAll();
        fitContent();
        Move(Left(), Top(), DesignWidth, DesignHeight);
    });
}

// The order ids show whole, however many digits they have; never narrower than the sample.
int frmFoodDetails::orderIdWidth() const
{
    // A cell's text keeps a margin on either side, and the grid line takes a pixel.
    const int margins = 2 * (OrderLV->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, OrderLV) + 1) + 1;
    return std::max(ui::TextWidthTwips(this, QStringLiteral("Abbrdreopuiiyiiy")),
                    ui::TextWidthTwips(OrderLV, WidestOrderId) + ui::PixelsToTwipsX(margins));
}

void frmFoodDetails::Form_Resize()
{
    fitContent();
    core::ResumeNext([this] { core::ScrollResize(*this); });
}

void frmFoodDetails::refreshAll()
{
    ShowCustomerOrders();
    SumCustomerOrders();
    LoadFoodTaxPercent();
    CalculateFoodTax();
}

void frmFoodDetails::ShowGuest(const QString &guestNo)
{
    xOrderNo = withoutSign(guestNo);
    refreshAll();
}

// Each step goes on past its own error. The guest is the one the window was opened for;
// only the first run takes it from the guest list.
void frmFoodDetails::ShowCustomerOrders()
{
    OrderLV->clear();
    ItemsLV->clear();
    if (xOrderNo.isEmpty())
        xOrderNo = withoutSign(GuestListSelection(GuestListNumberColumn).value_or(QString()));
    const QString sign = core::State().mOrderSign;
    Frame1->setTitle(QStringLiteral("Customer ID : ") + sign + xOrderNo);
    std::shared_ptr<ado::Recordset> orders;
    core::ResumeNext([&] { orders = core::OpenRecordset(GuestOrdersSql(xOrderNo)); });
    if (!orders)
        return;
    core::ResumeNext([&] {
        txtTitle->setText(TextOf(orders->Fields(QStringLiteral("cTitle")).Value()));
        txtFName->setText(TextOf(orders->Fields(QStringLiteral("cFirstName")).Value()));
        txtLName->setText(TextOf(orders->Fields(QStringLiteral("cLastName")).Value()));
    });
    core::ResumeNext([&] {
        for (; !orders->IsEOF(); orders->MoveNext()) {
            // A guest without orders comes as one row without an order: it lists nothing.
            const QString orderId = TextOf(orders->Fields(QStringLiteral("FoodOrderID")).Value());
            if (orderId.isEmpty())
                continue;
            OrderLV->addRow({sign + orderId,
                             TextOf(orders->Fields(QStringLiteral("Dateline")).Value()),
                             TextOf(orders->Fields(QStringLiteral("Status")).Value()),
                             TextOf(orders->Fields(QStringLiteral("OrderNo")).Value())});
        }
    });
    if (OrderLV->count() >= 1) {
        OrderLV->setListIndex(1);
        ShowOrderItems();
    }
}

QString frmFoodDetails::selectedOrderId() const
{
    const int row = OrderLV->listIndex();
    return row >= 1 ? withoutSign(OrderLV->text(row)) : QString();
}

// The items of the selected order. The total boxes stay those of the guest's orders.
void frmFoodDetails::ShowOrderItems()
{
    core::RunHandler(QStringLiteral("FRFD007"), core::ReportMode::Modal, [this] {
        const QString orderId = selectedOrderId();
        if (orderId.isEmpty())
            return;
        const auto items = core::OpenRecordset(OrderItemsSql(orderId));
        ItemsLV->clear();
        if (!items)
            return;
        for (; !items->IsEOF(); items->MoveNext()) {
            ItemsLV->addRow({TextOf(items->Fields(QStringLiteral("FoodItem")).Value()),
                             CurrencyText(items->Fields(QStringLiteral("Price")).Value())});
        }
    });
}

// The guest's orders that are still to be paid, as the window's note says: paid orders are
// not included in the total.
void frmFoodDetails::SumCustomerOrders()
{
    core::RunHandler(QStringLiteral("FRFD005"), core::ReportMode::Modal, [this] {
        const auto sum = core::OpenRecordset(GuestOrdersTotalSql(xOrderNo));
        if (!sum)
            return;
        // A guest without orders sums to nothing (Null): the total is zero, not an error.
        const vb::Variant total = sum->Fields(QStringLiteral("tPrice")).Value();
        txtTotalAmount->setText(CurrencyText(vb::Variant(total.isNull() ? vb::Currency() : vb::CCur(total))));
    });
}

// "0" stays when no food tax exists (the sum is Null).
void frmFoodDetails::LoadFoodTaxPercent()
{
    lbPercent->setText(QStringLiteral("0"));
    core::ResumeNext([this] {
        const auto taxes = core::OpenRecordset(FoodTaxPercentSql());
        if (taxes)
            lbPercent->setText(vb::CStr(taxes->Fields(QStringLiteral("tTax")).Value()));
    });
}

// The food tax on a total shown in the currency format, at the percent the window shows.
frmFoodDetails::TaxedAmount frmFoodDetails::taxOn(const QString &total)
{
    const double percent = lbPercent->text().isEmpty() ? 0 : vb::CDbl(vb::Variant(lbPercent->text()));
    const double tax = PercentFunction(percent, vb::CDbl(vb::Variant(total)));
    const QString taxText = CurrencyText(vb::Variant(vb::CStr(vb::Variant(tax))));
    return {taxText, CurrencyText(vb::Variant(currencyOf(total) + currencyOf(taxText)))};
}

void frmFoodDetails::CalculateFoodTax()
{
    core::RunHandler(QStringLiteral("FRFD003"), core::ReportMode::Modal, [this] {
        const TaxedAmount taxed = taxOn(txtTotalAmount->text());
        txtTax->setText(taxed.tax);
        txtAmoutWithTax->setText(taxed.withTax);
    });
}

// The same figures as at the load: the totals do not change with a refresh.
void frmFoodDetails::Command1_Click() { refreshAll(); }

void frmFoodDetails::Command2_Click() { Unload(); }

// The bill of the selected order: its items, and their total with the food tax at the
// window's percent. Nothing without items.
void frmFoodDetails::Command3_Click()
{
    if (ItemsLV->count() < 1)
        return;
    FoodOrderDetails order;
    order.title = txtTitle->text();
    order.firstName = txtFName->text();
    order.lastName = txtLName->text();
    order.guestNumber = xOrderNo;
    order.orderText = OrderLV->listIndex() >= 1 ? OrderLV->text(OrderLV->listIndex()) : QString();
    vb::Currency total;
    for (int row = 1; row <= ItemsLV->count(); ++row) {
        order.items.append({ItemsLV->text(row), ItemsLV->subItem(row, 1)});
        total += currencyOf(ItemsLV->subItem(row, 1));
    }
    order.totalAmount = CurrencyText(vb::Variant(total));
    const TaxedAmount taxed = taxOn(order.totalAmount);
    order.taxPercent = lbPercent->text();
    order.taxAmount = taxed.tax;
    order.amountWithTax = taxed.withTax;
    frmFoodTxtView::ShowBill(order);
}

void frmFoodDetails::Command4_Click()
{
    core::RunHandler(QStringLiteral("FRFD001"), core::ReportMode::Modal, [this] {
        if (!core::State().mLoggedIn || !core::TaxRightGranted()) {
            ui::MsgBox(core::NoPrivilegeMessage(), ui::vbInformation);
            return;
        }
        core::ShowWindow(QStringLiteral("frmTax"), ui::vbModeless);
        refreshAll();
    });
}

// The order's row goes first, then its table; the two are one action for the clerk.
void frmFoodDetails::Command5_Click()
{
    const QString orderId = selectedOrderId();
    if (orderId.isEmpty())
        return;
    if (ui::MsgBox(QStringLiteral("Remove Food & Beverages Order '") + OrderLV->text(OrderLV->listIndex())
                       + QStringLiteral("' ? Are you sure!"),
                   ui::vbYesNo + ui::vbInformation + ui::vbDefaultButton2, QStringLiteral("Remove Order")) != ui::vbYes)
        return;
    if (core::ExecuteSQL(OrderDeleteSql(orderId), core::SqlAction::Delete))
        core::ExecuteSQL(FoodOrderTableDropSql(orderId), core::SqlAction::Delete);
    // The totals follow the orders left, so no removed order's amount stays on show.
    refreshAll();
}

} // namespace frontdesk
