// The food order window: load, the catalogue tree, the guest, the items with their running
// total, and the save.
#include "frontdesk/food/frmfoodingbook.h"

#include "ado/errors.h"
#include "ado/recordset.h"
#include "controls/reportlist.h"
#include "core/aids/playwave.h"
#include "core/aids/scrollresize.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "core/ui/showntext.h"
#include "frontdesk/food/frmcustomersearch.h"
#include "frontdesk/guests/customerdetailsstatements.h"
#include "frontdesk/shared/drawunique.h"
#include "frontdesk/shared/revenuestatements.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "ui/twips.h"
#include "vb/app.h"
#include "vb/conversions.h"
#include "vb/random.h"
#include "vb/text.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QLineEdit>
#include <QStyle>
#include <QTreeWidget>

namespace frontdesk {

namespace {

// A size that shows the tree, the guest and the item list's three columns.
constexpr int DesignWidth = 11400;
constexpr int DesignHeight = 7800;

constexpr int KeyRole = Qt::UserRole;
constexpr int ColumnPrice = 1;

// An order id is drawn again while it is taken; a source that gives nothing new for this
// long is broken, and the save stops instead of waiting for ever.
constexpr int MaxOrderIdDraws = 10000;

using core::TextOf;

using core::CurrencyText;

vb::Currency currencyOf(const QString &text) { return vb::CCur(vb::Variant(text)); }

double seededRnd()
{
    static const bool seeded = (vb::Randomize(), true);
    Q_UNUSED(seeded);
    return vb::Rnd();
}

QTreeWidgetItem *nodeWithKey(QTreeWidget *tree, const QString &key)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->data(0, KeyRole).toString() == key)
            return tree->topLevelItem(i);
    }
    return nullptr;
}

} // namespace

frmFoodingBook::frmFoodingBook() : ui::Form(Name, ui::FormKind::MdiChild), randomSource(seededRnd)
{
    SetCaption(QStringLiteral("New Food & Beverages Order"));
    createControls();
}

frmFoodingBook::~frmFoodingBook() = default;

void frmFoodingBook::Form_Load()
{
    core::RunHandler(QStringLiteral("FRFB006"), core::ReportMode::Modal, [this] {
        FoodLV->setFullRowSelect(true);
        FoodLV->addColumnHeader(QStringLiteral("Item Name"), ui::TextWidthTwips(this, QStringLiteral("Abbrdreopuiop3245254252")));
        FoodLV->addColumnHeader(QStringLiteral("Item Price"), ui::TextWidthTwips(this, QStringLiteral("Item Priceoo45245452")));
        FoodLV->addColumnHeader(
            QStringLiteral("Item Note"),
            ui::TextWidthTwips(this, QStringLiteral("Item Note452525245 764747647674464647474576476474764")));
        FoodLV->addColumnHeader(QString(), 0);
        LoadFoodTree();
        GetCustomerDetails();
        Combo1->addItems({QStringLiteral("Paid"), QStringLiteral("Due"), QStringLiteral("Not Confirmed"),
                          QStringLiteral("Confirmed"), QStringLiteral("N/A")});
        Combo1->setCurrentText(QStringLiteral("Paid"));
        fitContent();
        Move(Left(), Top(), DesignWidth, DesignHeight);
    });
}

void frmFoodingBook::Form_Resize()
{
    fitContent();
    core::ResumeNext([this] { core::ScrollResize(*this); });
}

bool frmFoodingBook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == txtSearchCustomer) {
                core::RunGuarded([this] { Command3_Click(); });
                return true;
            }
            if (watched == txtTotalAmount) {
                core::RunGuarded([this] { Command4_Click(); });
                return true;
            }
        }
    }
    return ui::Form::eventFilter(watched, event);
}

// Categories at the top, their items below them; an item whose category is gone is left
// out, and the items after it are still listed.
void frmFoodingBook::LoadFoodTree()
{
    core::RunHandler(QStringLiteral("FRFB008"), core::ReportMode::Modal, [this] {
        const QStyle *style = QApplication::style();
        const QIcon itemPicture = style->standardIcon(QStyle::SP_FileIcon);
        const QIcon categoryPicture = style->standardIcon(QStyle::SP_DirIcon);
        TreeView1->clear();
        const auto categories = core::OpenRecordset(FoodCategoriesSql());
        if (!categories)
            return;
        for (; !categories->IsEOF(); categories->MoveNext()) {
            auto *node = new QTreeWidgetItem(QStringList{TextOf(categories->Fields(QStringLiteral("catName")).Value())});
            node->setData(0, KeyRole, QStringLiteral("T") + TextOf(categories->Fields(QStringLiteral("ID")).Value()));
            node->setIcon(0, categoryPicture);
            TreeView1->addTopLevelItem(node);
        }
        if (TreeView1->topLevelItemCount() > 0)
            TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
        const auto items = core::OpenRecordset(FoodItemsSql());
        if (!items)
            return;
        for (; !items->IsEOF(); items->MoveNext()) {
            QTreeWidgetItem *category =
                nodeWithKey(TreeView1, QStringLiteral("T") + TextOf(items->Fields(QStringLiteral("ItemCat")).Value()));
            if (!category)
                continue;
            auto *node = new QTreeWidgetItem(category, QStringList{TextOf(items->Fields(QStringLiteral("ItemName")).Value())});
            node->setData(0, KeyRole, QStringLiteral("C") + TextOf(items->Fields(QStringLiteral("ID")).Value()));
            node->setIcon(0, itemPicture);
        }
    });
}

void frmFoodingBook::GetCustomerDetails()
{
    core::RunHandler(QStringLiteral("FRFB007"), core::ReportMode::Modal, [this] {
        MyOrderID.remove(QLatin1Char('#'));
        if (MyOrderID.isEmpty())
            return;
        for (QLineEdit *box : {txtCTitle, txtCFname, txtCLname})
            box->clear();
        const auto guest = core::OpenRecordset(GuestByNumberSql(MyOrderID));
        if (!guest)
            return;
        // No such guest: the fields stay empty (and the save refuses), then the error is reported.
        txtCTitle->setText(TextOf(guest->Fields(QStringLiteral("cTitle")).Value()));
        txtCFname->setText(TextOf(guest->Fields(QStringLiteral("cFirstName")).Value()));
        txtCLname->setText(TextOf(guest->Fields(QStringLiteral("cLastName")).Value()));
    });
}

void frmFoodingBook::addToTotal(const QString &amountText, int sign)
{
    if (txtTotalAmount->text().isEmpty())
        txtTotalAmount->setText(QStringLiteral("0"));
    vb::Currency total = currencyOf(txtTotalAmount->text());
    const vb::Currency amount = currencyOf(amountText);
    total = sign > 0 ? total + amount : total - amount;
    txtTotalAmount->setText(CurrencyText(vb::Variant(total)));
}

void frmFoodingBook::Command1_Click()
{
    core::RunHandler(QStringLiteral("FRFB001"), core::ReportMode::Modal, [this] {
        const QTreeWidgetItem *node = TreeView1->currentItem();
        if (TreeView1->topLevelItemCount() == 0 || !node)
            return;
        const QString key = node->data(0, KeyRole).toString();
        if (!key.trimmed().startsWith(QLatin1Char('C')))
            return;   // a category
        const std::optional<qint64> id = WholeNumber(QString(key).remove(QLatin1Char('C')));
        if (!id)
            throw vb::Error::standard(vb::errTypeMismatch);
        const auto item = core::OpenRecordset(FoodItemSql(*id));
        if (!item)
            return;
        const vb::Variant price = item->Fields(QStringLiteral("ItemPrice")).Value();
        const int row = FoodLV->addItem(TextOf(item->Fields(QStringLiteral("ItemName")).Value()));
        FoodLV->setSubItem(row, ColumnPrice, CurrencyText(price));
        FoodLV->setSubItem(row, 2, TextOf(item->Fields(QStringLiteral("ItemNote")).Value()));
        addToTotal(FoodLV->subItem(row, ColumnPrice), +1);
    });
}

void frmFoodingBook::Command2_Click()
{
    core::RunHandler(QStringLiteral("FRFB002"), core::ReportMode::Modal, [this] {
        if (FoodLV->count() == 0)
            return;
        if (ui::MsgBox(QStringLiteral("Remove selected food Item?"),
                       ui::vbYesNo + ui::vbInformation + ui::vbDefaultButton2,
                       QStringLiteral("Remove Food Item")) != ui::vbYes)
            return;
        const int selected = FoodLV->listIndex();
        if (selected < 1)
            throw vb::Error::standard(vb::errInvalidProcedureCall);   // no item chosen
        addToTotal(FoodLV->subItem(selected, ColumnPrice), -1);
        QList<QList<QString>> kept;
        for (int row = 1; row <= FoodLV->count(); ++row) {
            if (row != selected)
                kept.append({FoodLV->subItem(row, 0), FoodLV->subItem(row, 1), FoodLV->subItem(row, 2),
                             FoodLV->subItem(row, 3)});
        }
        FoodLV->clear();
        for (const QList<QString> &texts : kept)
            FoodLV->addRow(texts);
    });
}

void frmFoodingBook::Command3_Click()
{
    core::RunHandler(QStringLiteral("FRFB003"), core::ReportMode::Modal, [this] {
        CustomerSearchString = txtSearchCustomer->text();
        ui::Forms::Get<frmCustomerSearch>().Show(ui::vbModeless);
    });
}

// A new id: drawn again while an order row or an order table holds it.
std::optional<QString> frmFoodingBook::MakeFoodOrderId()
{
    std::optional<QString> id;
    core::RunHandler(QStringLiteral("FRFB005"), core::ReportMode::Modal, [this, &id] {
        int draws = 0;
        id = DrawUnique(
            [this, &draws] {
                if (++draws > MaxOrderIdDraws)
                    throw vb::Error(vb::errInvalidProcedureCall, QStringLiteral("No free food order id was drawn"));
                return FoodOrderId(randomSource);
            },
            [](const QString &candidate) -> std::optional<bool> {
                const auto orders = core::OpenRecordset(FoodOrderIdLookupSql(candidate));
                if (!orders)
                    return std::nullopt;
                return !orders->IsEOF() || core::TableExists(core::FoodOrderTableName(candidate));
            });
    });
    return id;
}

void frmFoodingBook::Command4_Click()
{
    core::RunHandler(QStringLiteral("FRFB004"), core::ReportMode::Modal, [this] {
        if (!vb::IsNumeric(vb::Variant(txtTotalAmount->text()))) {
            ui::MsgBox(QStringLiteral("Do not enter characters in total amount field!"), ui::vbInformation);
            return;
        }
        if (txtCFname->text().isEmpty() || txtCLname->text().isEmpty())
            return;
        const std::optional<QString> orderId = MakeFoodOrderId();
        if (!orderId)
            return;
        if (ui::MsgBox(QStringLiteral("Confirm Save this Order?"), ui::vbYesNo + ui::vbInformation + ui::vbDefaultButton2,
                       QStringLiteral("Save Order")) != ui::vbYes)
            return;
        if (!saveOrder(*orderId))
            return;   // reported; the items stay for another try
        ui::MsgBox(QStringLiteral("Food & Beverages order added into the record"), ui::vbInformation);
        // The next order starts from nothing: its total is its own items' (the guest and the
        // status stay for it).
        FoodLV->clear();
        txtTotalAmount->clear();
        core::PlayWave(vb::AppPath() + QStringLiteral("/sounds/cashin.wav"));
    });
}

// The order's table is made first, because MariaDB commits a CREATE TABLE at once; the rows
// then go in together, and when one fails the table is dropped again. Making the table is
// what takes the id: when another workstation made a table of the same id since it was drawn,
// another id is drawn.
bool frmFoodingBook::saveOrder(QString orderId)
{
    for (;;) {
        const core::DrawnTable made =
            core::CreateDrawnTable(FoodOrderTableCreateSql(orderId), core::FoodOrderTableName(orderId));
        if (made == core::DrawnTable::Failed)
            return false;
        if (made == core::DrawnTable::Created)
            break;
        const std::optional<QString> another = MakeFoodOrderId();
        if (!another)
            return false;
        orderId = *another;
    }
    const FoodOrderRecord order{MyOrderID.trimmed(), orderId,       txtCTitle->text(), txtCFname->text(),
                                txtCLname->text(),  currencyOf(txtTotalAmount->text()), Combo1->currentText()};
    // The table stays when the rows are stored, and when it is not known whether they are.
    bool keepTable = false;
    const auto dropUnlessKept = qScopeGuard([&] {
        if (!keepTable)
            core::TidyAfterFailure(
                [&orderId] { core::ExecuteSQL(FoodOrderTableDropSql(orderId), core::SqlAction::Delete); });
    });
    try {
        keepTable = writeOrderRows(orderId, order);
    } catch (const ado::UnknownOutcome &) {
        keepTable = true;
        throw;
    }
    return keepTable;
}

bool frmFoodingBook::writeOrderRows(const QString &orderId, const FoodOrderRecord &order)
{
    core::Transaction transaction;
    if (!core::ExecuteSQL(FoodOrderInsertSql(order), core::SqlAction::Insert))
        return false;
    const vb::Date today = vb::Today();
    const auto revenue = core::OpenRecordset(RevenueOfDaySql(today));
    if (!revenue)
        return false;
    const bool counted = revenue->RecordCount() < 1
                             ? core::ExecuteSQL(RevenueInsertSql(RevenueSource::FoodOrder, order.total), core::SqlAction::Insert)
                             : core::ExecuteSQL(RevenueUpdateSql(RevenueSource::FoodOrder, order.total, today),
                                                core::SqlAction::Update);
    if (!counted)
        return false;
    for (int row = 1; row <= FoodLV->count(); ++row) {
        const QString sql = FoodOrderItemInsertSql(orderId, FoodLV->text(row), currencyOf(FoodLV->subItem(row, ColumnPrice)));
        if (!core::ExecuteSQL(sql, core::SqlAction::Insert))
            return false;
    }
    transaction.Commit([&orderId] { return core::RowFound(FoodOrderIdLookupSql(orderId)); });
    return true;
}

} // namespace frontdesk
