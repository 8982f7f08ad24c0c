// The controls of the guest food orders window and their layout on the scrollable area.
#include "frontdesk/food/frmfooddetails.h"

#include "controls/reportlist.h"
#include "core/aids/fitscrollcontent.h"
#include "core/aids/scrollarea.h"
#include "core/aids/scrollbar.h"
#include "core/state/connecthandler.h"
#include "core/ui/windowkit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace frontdesk {

void frmFoodDetails::createControls()
{
    const core::ScrollArea area = core::BuildScrollArea(*this, 0, 0);
    PicOuter = area.PicOuter;
    PicInner = area.PicInner;
    HBar = area.HBar;
    VBar = area.VBar;

    auto *layout = new QVBoxLayout(PicInner);
    layout->setContentsMargins(6, 4, 6, 4);

    Frame1 = core::Frame(QStringLiteral("Customer Details"), QStringLiteral("Frame1"), PicInner);
    auto *guest = new QHBoxLayout(Frame1);
    guest->addWidget(core::Label(QStringLiteral("Customer Name :"), QStringLiteral("Label1"), Frame1));
    txtTitle = core::TextBox(QStringLiteral("txtTitle"), Frame1);
    txtFName = core::TextBox(QStringLiteral("txtFName"), Frame1);
    txtLName = core::TextBox(QStringLiteral("txtLName"), Frame1);
    guest->addWidget(txtTitle);
    guest->addWidget(txtFName, 1);
    guest->addWidget(txtLName, 1);
    layout->addWidget(Frame1);
    layout->addWidget(createOrdersFrame(), 1);
    layout->addWidget(createAmountFrame());

    Command1 = core::Button(QStringLiteral("&Refresh"), QStringLiteral("Command1"), PicInner);
    Command2 = core::Button(QStringLiteral("&Close"), QStringLiteral("Command2"), PicInner);
    layout->addLayout(core::ButtonRow({Command1, Command2}));

    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmFoodDetails::Command1_Click);
    core::ConnectHandler(Command2, &QPushButton::clicked, this, &frmFoodDetails::Command2_Click);
    core::ConnectHandler(Command3, &QPushButton::clicked, this, &frmFoodDetails::Command3_Click);
    core::ConnectHandler(Command4, &QPushButton::clicked, this, &frmFoodDetails::Command4_Click);
    core::ConnectHandler(Command5, &QPushButton::clicked, this, &frmFoodDetails::Command5_Click);
    core::ConnectHandler(OrderLV, &controls::ReportList::itemClick, this, &frmFoodDetails::ShowOrderItems);
    fitContent();
}

QGroupBox *frmFoodDetails::createOrdersFrame()
{
    Frame2 = core::Frame(QStringLiteral("Food && Beverages"), QStringLiteral("Frame2"), PicInner);
    auto *grid = new QGridLayout(Frame2);
    OrderLV = core::Named(new controls::ReportList(Frame2), QStringLiteral("OrderLV"));
    ItemsLV = core::Named(new controls::ReportList(Frame2), QStringLiteral("ItemsLV"));
    for (controls::ReportList *list : {OrderLV, ItemsLV})
        list->setMinimumHeight(fontMetrics().height() * 8);
    grid->addWidget(OrderLV, 0, 0);
    grid->addWidget(ItemsLV, 0, 1);
    Label5 = core::Label(QStringLiteral("Note : Paid Orders are not included in Total Amount"), QStringLiteral("Label5"),
                         Frame2);
    Command5 = core::Button(QStringLiteral("Remove Order"), QStringLiteral("Command5"), Frame2);
    Command3 = core::Button(QStringLiteral("&Text View"), QStringLiteral("Command3"), Frame2);
    auto *row = core::ButtonRow({Command5, Command3});
    row->insertWidget(0, Label5);
    grid->addLayout(row, 1, 0, 1, 2);
    return Frame2;
}

QGroupBox *frmFoodDetails::createAmountFrame()
{
    Frame3 = core::Frame(QStringLiteral("Amount"), QStringLiteral("Frame3"), PicInner);
    auto *grid = new QGridLayout(Frame3);
    txtTotalAmount = core::AmountBox(QStringLiteral("txtTotalAmount"), Frame3);
    txtTotalAmount->setText(QStringLiteral("0"));
    grid->addWidget(core::Label(QStringLiteral("Total Amount :"), QStringLiteral("Label2"), Frame3), 0, 0);
    grid->addWidget(txtTotalAmount, 0, 1);
    lbName = core::Label(QStringLiteral("Tax(s) :"), QStringLiteral("lbName"), Frame3);
    lbPercent = core::Label(QString(), QStringLiteral("lbPercent"), Frame3);
    Label4 = core::Label(QStringLiteral("%"), QStringLiteral("Label4"), Frame3);
    txtTax = core::AmountBox(QStringLiteral("txtTax"), Frame3);
    txtTax->setText(QStringLiteral("0"));
    txtTax->setToolTip(QStringLiteral("Total Tax Amount"));
    Command4 = core::Button(QStringLiteral("Tax"), QStringLiteral("Command4"), Frame3);
    Command4->setToolTip(QStringLiteral("Open Tax Lists"));
    auto *tax = new QHBoxLayout;
    tax->addWidget(lbPercent);
    tax->addWidget(Label4);
    tax->addWidget(txtTax, 1);
    tax->addSpacing(core::ButtonGap);
    tax->addWidget(Command4);
    grid->addWidget(lbName, 1, 0);
    grid->addLayout(tax, 1, 1);
    txtAmoutWithTax = core::AmountBox(QStringLiteral("txtAmoutWithTax"), Frame3);
    txtAmoutWithTax->setText(QStringLiteral("0"));
    grid->addWidget(core::Label(QStringLiteral("Amount With Tax :"), QStringLiteral("Label3"), Frame3), 2, 0);
    grid->addWidget(txtAmoutWithTax, 2, 1);
    return Frame3;
}

void frmFoodDetails::fitContent() { core::FitScrollContent(*this, PicOuter, PicInner, HBar, VBar); }

} // namespace frontdesk
