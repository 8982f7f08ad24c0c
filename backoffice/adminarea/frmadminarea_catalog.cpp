// The food and beverage tab: categories and the items of the clicked category.
#include "backoffice/adminarea/frmadminarea.h"

#include "ado/recordset.h"
#include "backoffice/adminarea/adminaids.h"
#include "backoffice/adminarea/catalogstatements.h"
#include "backoffice/adminarea/sqlliteral.h"
#include "controls/reportlist.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/state/runhandler.h"
#include "ui/dialogs.h"
#include "ui/twips.h"
#include "vb/text.h"

#include <QLineEdit>
#include <QPushButton>

namespace backoffice {

namespace {

constexpr int CategoryKeyColumn = 1;
constexpr int ItemKeyColumn = 3;

} // namespace

void frmAdminArea::CategoryListShow()
{
    core::RunHandler(QStringLiteral("ADM0008"), core::ReportMode::Modal, [this] {
        // The items listed are those of the selected category; the rebuilt list has none
        // selected (and a removed category's items are gone).
        FoodLV->clear();
        ItemCatLV->clearColumnHeaders();
        ItemCatLV->addColumnHeader(QStringLiteral("Categories"),
                                   ui::TextWidthTwips(this, QStringLiteral("Abbrdreopuiopuououv36535653")));
        ItemCatLV->addColumnHeader(QString(), 0);
        const auto categories = core::OpenRecordset(CategoryListSql());
        if (!categories)
            return;
        for (; !categories->IsEOF(); categories->MoveNext()) {
            if (IsBlank(categories->Fields(0).Value()))
                continue;
            ItemCatLV->addRow({TextOf(categories->Fields(QStringLiteral("catName")).Value()),
                               TextOf(categories->Fields(QStringLiteral("ID")).Value())});
        }
    });
}

long frmAdminArea::selectedCategoryId() const
{
    return RowKey(ItemCatLV, SelectedRow(ItemCatLV), CategoryKeyColumn);
}

void frmAdminArea::ItemListShow()
{
    core::RunHandler(QStringLiteral("ADM0017"), core::ReportMode::Modal, [this] {
        FoodLV->clear();
        if (ItemCatLV->listIndex() < 1)
            return;
        const auto items = core::OpenRecordset(ItemListSql(selectedCategoryId()));
        if (!items)
            return;
        for (; !items->IsEOF(); items->MoveNext()) {
            if (IsBlank(items->Fields(0).Value()))
                continue;
            FoodLV->addRow({TextOf(items->Fields(QStringLiteral("ItemName")).Value()),
                            vb::Format(items->Fields(QStringLiteral("ItemPrice")).Value(), QStringLiteral("Currency")),
                            TextOf(items->Fields(QStringLiteral("ItemNote")).Value()),
                            TextOf(items->Fields(QStringLiteral("ID")).Value())});
        }
    });
}

void frmAdminArea::ItemCatLV_ItemClick()
{
    removeBalloon();
    ItemListShow();
}

void frmAdminArea::Command4_Click()
{
    core::RunHandler(QStringLiteral("ADM0007"), core::ReportMode::Modal, [this] {
        const QString name = CleanTypedText(itmCat->text());
        if (name.isEmpty()) {
            showHint(itmCat, QStringLiteral("Enter Category name"), QStringLiteral("Enter Category Name!"));
            cmdAddRoom->setEnabled(true);
            return;
        }
        const auto existing = core::OpenRecordset(CategoryLookupSql(name));
        if (!existing)
            return;
        if (existing->RecordCount() > 0) {
            showHint(itmCat, QStringLiteral("Category Name Already Exist"),
                     QStringLiteral("Category Name Already Exist!"));
            cmdAddRoom->setEnabled(true);
            return;
        }
        core::ExecuteSQL(CategoryInsertSql(name), core::SqlAction::Insert);
        CategoryListShow();
    });
}

void frmAdminArea::Command5_Click()
{
    core::RunHandler(QStringLiteral("ADM0009"), core::ReportMode::Modal, [this] {
        const QString name = CleanTypedText(itmName->text());
        if (name.isEmpty()) {
            showHint(itmName, QStringLiteral("Item Name"), QStringLiteral("Enter Item Name!"));
            cmdAddRoom->setEnabled(true);
            return;
        }
        const QString priceText = core::WithoutApostrophes(itmPrice->text());
        if (!vb::IsNumeric(vb::Variant(priceText))) {
            showHint(itmPrice, priceText.isEmpty() ? QStringLiteral("Invalid Price") : QStringLiteral("Enter Price"),
                     QStringLiteral("Enter Numeric valies in Item Price !"));
            cmdAddRoom->setEnabled(true);
            return;
        }
        if (ItemCatLV->count() == 0) {
            ui::MsgBox(QStringLiteral("First create new Category for the Items!"), ui::vbInformation);
            return;
        }
        if (ItemCatLV->listIndex() < 1) {
            ui::MsgBox(QStringLiteral("First select a Category for the Item!"), ui::vbInformation);
            return;
        }
        const long category = selectedCategoryId();
        const auto existing = core::OpenRecordset(ItemLookupSql(name, category));
        if (!existing)
            return;
        if (existing->RecordCount() > 0) {
            showHint(itmName, QStringLiteral("Item Already exist"), QStringLiteral("Item Already exist in this Category!"));
            cmdAddRoom->setEnabled(true);
            return;
        }
        core::ExecuteSQL(ItemInsertSql(name, vb::CCur(vb::Variant(priceText)), CleanTypedText(itmNote->text()), category),
                         core::SqlAction::Insert);
        ItemListShow();
    });
}

// A category goes by its key, together with its items, all or nothing.
void frmAdminArea::Command6_Click()
{
    core::RunHandler(QStringLiteral("ADM0010"), core::ReportMode::Modal, [this] {
        if (ItemCatLV->listIndex() < 1)
            return;   // no category chosen: nothing to remove, as on the other tabs
        const int row = SelectedRow(ItemCatLV);
        if (ui::MsgBox(QStringLiteral("Remove '") + ItemCatLV->text(row) +
                           QStringLiteral("' Category? All the items inside it will also be removed!"),
                       ConfirmStyle, QStringLiteral("Remove Category")) == ui::vbYes) {
            const long category = RowKey(ItemCatLV, row, CategoryKeyColumn);
            core::Transaction transaction;
            if (core::ExecuteSQL(CategoryItemsDeleteSql(category), core::SqlAction::Delete) &&
                core::ExecuteSQL(CategoryDeleteSql(category), core::SqlAction::Delete))
                transaction.Commit(
                    [category] { return !core::RowFound(core::DeletedRowsSql(CategoryDeleteSql(category))); });
        }
        CategoryListShow();
    });
}

void frmAdminArea::Command7_Click()
{
    core::RunHandler(QStringLiteral("ADM0011"), core::ReportMode::Modal, [this] {
        if (FoodLV->listIndex() < 1)
            return;
        const int row = SelectedRow(FoodLV);
        if (ui::MsgBox(QStringLiteral("Do you want to remove selected Item?"), ConfirmStyle,
                       QStringLiteral("Remove Item")) != ui::vbYes)
            return;
        core::ExecuteSQL(ItemDeleteSql(RowKey(FoodLV, row, ItemKeyColumn)), core::SqlAction::Delete);
        ItemListShow();
    });
}

void frmAdminArea::itmPrice_LostFocus()
{
    const vb::Variant price(itmPrice->text());
    if (vb::IsNumeric(price) && !itmPrice->text().isEmpty())
        itmPrice->setText(vb::Format(price, QStringLiteral("Currency")));
}

} // namespace backoffice
