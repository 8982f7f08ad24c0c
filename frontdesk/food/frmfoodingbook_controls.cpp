// The controls of the food order window: the catalogue tree on the left, the order's items,
// the guest, the total and the status on the right.
#include "frontdesk/food/frmfoodingbook.h"

#include "controls/reportlist.h"
#include "core/aids/fitscrollcontent.h"
#include "core/aids/scrollarea.h"
#include "core/aids/scrollbar.h"
#include "core/state/connecthandler.h"
#include "core/ui/columnfit.h"
#include "core/ui/windowkit.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace frontdesk {

void frmFoodingBook::createControls()
{
    const core::ScrollArea area = core::BuildScrollArea(*this, 0, 0);
    PicOuter = area.PicOuter;
    PicInner = area.PicInner;
    HBar = area.HBar;
    VBar = area.VBar;

    auto *columns = new QHBoxLayout(PicInner);
    columns->setContentsMargins(6, 4, 6, 4);
    columns->setSpacing(6);
    columns->addWidget(createCatalogue());
    columns->addWidget(createOrderSide(), 1);

    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmFoodingBook::Command1_Click);
    core::ConnectHandler(Command2, &QPushButton::clicked, this, &frmFoodingBook::Command2_Click);
    core::ConnectHandler(Command3, &QPushButton::clicked, this, &frmFoodingBook::Command3_Click);
    core::ConnectHandler(Command4, &QPushButton::clicked, this, &frmFoodingBook::Command4_Click);
    txtSearchCustomer->installEventFilter(this);
    txtTotalAmount->installEventFilter(this);
    fitContent();
}

// The tree with the add and remove buttons beside it.
QWidget *frmFoodingBook::createCatalogue()
{
    auto *side = new QWidget(PicInner);
    auto *layout = new QHBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    TreeView1 = core::Named(new QTreeWidget(side), QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    layout->addWidget(TreeView1);

    const QStyle *style = QApplication::style();
    Command1 = core::Button(QString(), QStringLiteral("Command1"), side);
    Command1->setIcon(style->standardIcon(QStyle::SP_ArrowRight));
    Command1->setToolTip(QStringLiteral("Add Item"));
    Command2 = core::Button(QString(), QStringLiteral("Command2"), side);
    Command2->setIcon(style->standardIcon(QStyle::SP_ArrowLeft));
    Command2->setToolTip(QStringLiteral("Remove Item"));
    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    layout->addLayout(buttons);
    return side;
}

QWidget *frmFoodingBook::createOrderSide()
{
    auto *side = new QWidget(PicInner);
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);

    Frame1 = core::Frame(QStringLiteral("Search"), QStringLiteral("Frame1"), side);
    auto *search = new QGridLayout(Frame1);
    search->addWidget(core::Label(QStringLiteral("Customer ID, First Name or Last Name :"), QStringLiteral("Label1"), Frame1),
                      0, 0, 1, 2);
    txtSearchCustomer = core::TextBox(QStringLiteral("txtSearchCustomer"), Frame1);
    Command3 = core::Button(QStringLiteral("Search"), QStringLiteral("Command3"), Frame1);
    search->addWidget(txtSearchCustomer, 1, 0);
    search->addWidget(Command3, 1, 1);
    layout->addWidget(Frame1);

    Frame2 = core::Frame(QStringLiteral("Customer Name"), QStringLiteral("Frame2"), side);
    auto *guest = new QGridLayout(Frame2);
    txtCTitle = core::TextBox(QStringLiteral("txtCTitle"), Frame2);
    txtCFname = core::TextBox(QStringLiteral("txtCFname"), Frame2);
    txtCLname = core::TextBox(QStringLiteral("txtCLname"), Frame2);
    core::FitToColumn(txtCTitle, QStringLiteral("tbl_FoodOrders"), QStringLiteral("CustomerTitle"));
    core::FitToColumn(txtCFname, QStringLiteral("tbl_FoodOrders"), QStringLiteral("CustomerFName"));
    core::FitToColumn(txtCLname, QStringLiteral("tbl_FoodOrders"), QStringLiteral("CustomreLName"));
    guest->addWidget(core::Label(QStringLiteral("Title :"), QStringLiteral("Label2"), Frame2), 0, 0);
    guest->addWidget(core::Label(QStringLiteral("First Name :"), QStringLiteral("Label3"), Frame2), 0, 1);
    guest->addWidget(core::Label(QStringLiteral("Last Name :"), QStringLiteral("Label4"), Frame2), 0, 2);
    guest->addWidget(txtCTitle, 1, 0);
    guest->addWidget(txtCFname, 1, 1);
    guest->addWidget(txtCLname, 1, 2);
    guest->setColumnStretch(1, 1);
    guest->setColumnStretch(2, 1);
    layout->addWidget(Frame2);

    FoodLV = core::Named(new controls::ReportList(side), QStringLiteral("FoodLV"));
    FoodLV->setFont(QFont(QStringLiteral("Arial"), 9));
    FoodLV->setMinimumHeight(fontMetrics().height() * 10);
    layout->addWidget(FoodLV, 1);

    auto *totals = new QGridLayout;
    txtTotalAmount = core::AmountBox(QStringLiteral("txtTotalAmount"), side);
    txtTotalAmount->setMinimumWidth(txtTotalAmount->fontMetrics().horizontalAdvance(QStringLiteral("$999,999.00")) + 12);
    Combo1 = core::ComboBox(QStringLiteral("Combo1"), side);
    Command4 = core::Button(QStringLiteral("&Save"), QStringLiteral("Command4"), side);
    totals->addWidget(core::Label(QStringLiteral("Total Amount :"), QStringLiteral("Label5"), side), 0, 0);
    totals->addWidget(txtTotalAmount, 0, 1);
    totals->addWidget(core::Label(QStringLiteral("Status :"), QStringLiteral("Label6"), side), 0, 2);
    totals->addWidget(Combo1, 0, 3);
    totals->setColumnStretch(4, 1);
    totals->addWidget(Command4, 0, 5);
    layout->addLayout(totals);
    return side;
}

void frmFoodingBook::fitContent() { core::FitScrollContent(*this, PicOuter, PicInner, HBar, VBar); }

} // namespace frontdesk
