// The controls of the guest details window and their layout on the scrollable area.
#include "frontdesk/guests/frmcustomerdetails.h"

#include "core/aids/fitscrollcontent.h"
#include "core/aids/scrollarea.h"
#include "core/aids/scrollbar.h"
#include "core/state/connecthandler.h"
#include "core/ui/columnfit.h"
#include "core/ui/windowkit.h"
#include "vb/locale.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace frontdesk {

namespace {

QGridLayout *frameGrid(QGroupBox *frame)
{
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(4);
    return grid;
}

// Adds "caption" and its field as the next row of a frame's grid.
void addRow(QGridLayout *grid, const QString &caption, QWidget *field, int columnSpan = 1)
{
    const int row = grid->rowCount();
    auto *label = core::Label(caption, QStringLiteral("Label%1").arg(row), field->parentWidget());
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1, 1, columnSpan);
}

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *picker = core::Named(new QDateEdit(parent), name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(vb::ShortDateFormat());
    return picker;
}

QLineEdit *hiddenBox(const QString &name, QWidget *parent)
{
    QLineEdit *box = core::TextBox(name, parent);
    box->hide();
    return box;
}

} // namespace

void frmCustomerDetails::createControls()
{
    const core::ScrollArea area = core::BuildScrollArea(*this, 0, 0);
    PicOuter = area.PicOuter;
    PicInner = area.PicInner;
    HBar = area.HBar;
    VBar = area.VBar;

    auto *grid = new QGridLayout(PicInner);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setSpacing(6);
    grid->addWidget(createCustomerFrame(), 0, 0, 2, 1);
    grid->addWidget(createPaymentFrame(), 0, 1);
    grid->addWidget(createRoomsFrame(), 1, 1);
    grid->setRowStretch(1, 1);

    auto *noteRow = new QGridLayout;
    txtNote = core::Named(new QPlainTextEdit(PicInner), QStringLiteral("txtNote"));
    txtNote->setTabChangesFocus(true);
    txtNote->setMaximumHeight(txtNote->fontMetrics().height() * 3 + 2 * txtNote->frameWidth() + 8);
    noteRow->addWidget(core::Label(QStringLiteral("Additional Note :"), QStringLiteral("Label20"), PicInner), 0, 0);
    noteRow->addWidget(txtNote, 0, 1);
    grid->addLayout(noteRow, 2, 0, 1, 2);

    Command1 = core::Button(QStringLiteral("&Update Details"), QStringLiteral("Command1"), PicInner);
    Command3 = core::Button(QStringLiteral("&Remove Customer"), QStringLiteral("Command3"), PicInner);
    Command4 = core::Button(QStringLiteral("Text View"), QStringLiteral("Command4"), PicInner);
    Command2 = core::Button(QStringLiteral("&Close"), QStringLiteral("Command2"), PicInner);
    grid->addLayout(core::ButtonRow({Command1, Command3, Command4, Command2}), 3, 0, 1, 2);

    customerID = hiddenBox(QStringLiteral("customerID"), PicInner);
    txtRooms = hiddenBox(QStringLiteral("txtRooms"), PicInner);
    txtRoomPrice = hiddenBox(QStringLiteral("txtRoomPrice"), PicInner);

    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmCustomerDetails::Command1_Click);
    core::ConnectHandler(Command2, &QPushButton::clicked, this, &frmCustomerDetails::Command2_Click);
    core::ConnectHandler(Command3, &QPushButton::clicked, this, &frmCustomerDetails::Command3_Click);
    core::ConnectHandler(Command4, &QPushButton::clicked, this, &frmCustomerDetails::Command4_Click);
    // The number of days and the due are worked out, never typed; a change of a checked
    // field takes its balloon hint away.
    core::ConnectHandler(DtCheckinDate, &QDateEdit::dateChanged, this, [this] {
        removeBalloon();
        showDays();
    });
    core::ConnectHandler(DtCheckoutDate, &QDateEdit::dateChanged, this, [this] {
        removeBalloon();
        showDays();
    });
    core::ConnectHandler(txtGrandTotal, &QLineEdit::textChanged, this, &frmCustomerDetails::showDue);
    core::ConnectHandler(txtAdvancePaid, &QLineEdit::textChanged, this, &frmCustomerDetails::showDue);
    for (QLineEdit *box : {txtAdults, txtMinors, txtRoomRate, txtTax, txtGrandTotal, txtAdvancePaid})
        core::ConnectHandler(box, &QLineEdit::textEdited, this, &frmCustomerDetails::removeBalloon);
    fitContent();
}

QGroupBox *frmCustomerDetails::createCustomerFrame()
{
    Frame1 = core::Frame(QStringLiteral("Customer Details"), QStringLiteral("Frame1"), PicInner);
    QGridLayout *grid = frameGrid(Frame1);
    txtTitle = core::ComboBox(QStringLiteral("txtTitle"), Frame1, core::ComboStyle::DropdownCombo);
    txtFName = core::TextBox(QStringLiteral("txtFName"), Frame1);
    txtLName = core::TextBox(QStringLiteral("txtLName"), Frame1);
    core::FitToColumn(txtTitle, QStringLiteral("tbl_customers"), QStringLiteral("cTitle"));
    core::FitToColumn(txtFName, QStringLiteral("tbl_customers"), QStringLiteral("cFirstName"));
    core::FitToColumn(txtLName, QStringLiteral("tbl_customers"), QStringLiteral("cLastName"));
    addRow(grid, QStringLiteral("Customer Name :"), txtTitle);
    grid->addWidget(txtFName, grid->rowCount(), 1);
    grid->addWidget(txtLName, grid->rowCount(), 1);
    txtAddress = core::TextBox(QStringLiteral("txtAddress"), Frame1);
    addRow(grid, QStringLiteral("Address :"), txtAddress);
    txtPhoneNumber = core::TextBox(QStringLiteral("txtPhoneNumber"), Frame1);
    core::FitToColumn(txtPhoneNumber, QStringLiteral("tbl_customers"), QStringLiteral("cPhone"));
    addRow(grid, QStringLiteral("Contact Information :"), txtPhoneNumber);
    txtAdults = core::TextBox(QStringLiteral("txtAdults"), Frame1);
    addRow(grid, QStringLiteral("Adults :"), txtAdults);
    txtMinors = core::TextBox(QStringLiteral("txtMinors"), Frame1);
    addRow(grid, QStringLiteral("Minors :"), txtMinors);
    DtCheckinDate = datePicker(QStringLiteral("DtCheckinDate"), Frame1);
    addRow(grid, QStringLiteral("Check In Date :"), DtCheckinDate);
    DtCheckoutDate = datePicker(QStringLiteral("DtCheckoutDate"), Frame1);
    addRow(grid, QStringLiteral("Check Out Date :"), DtCheckoutDate);
    txtNumberOfDays = core::TextBox(QStringLiteral("txtNumberOfDays"), Frame1);
    txtNumberOfDays->setReadOnly(true);
    addRow(grid, QStringLiteral("Number of Days :"), txtNumberOfDays);
    comboStatus = core::ComboBox(QStringLiteral("comboStatus"), Frame1);
    addRow(grid, QStringLiteral("Booking Status :"), comboStatus);
    grid->setRowStretch(grid->rowCount(), 1);
    return Frame1;
}

QGroupBox *frmCustomerDetails::createPaymentFrame()
{
    Frame2 = core::Frame(QStringLiteral("Payment Details"), QStringLiteral("Frame2"), PicInner);
    QGridLayout *grid = frameGrid(Frame2);
    txtRoomRate = core::AmountBox(QStringLiteral("txtRoomRate"), Frame2);
    addRow(grid, QStringLiteral("Room Rate(s) :"), txtRoomRate);
    txtTax = core::AmountBox(QStringLiteral("txtTax"), Frame2);
    addRow(grid, QStringLiteral("Tax(s) :"), txtTax);
    txtGrandTotal = core::AmountBox(QStringLiteral("txtGrandTotal"), Frame2);
    addRow(grid, QStringLiteral("Grand Total :"), txtGrandTotal);
    txtAdvancePaid = core::AmountBox(QStringLiteral("txtAdvancePaid"), Frame2);
    addRow(grid, QStringLiteral("Advance Paid :"), txtAdvancePaid);
    txtDue = core::AmountBox(QStringLiteral("txtDue"), Frame2);
    txtDue->setReadOnly(true);
    addRow(grid, QStringLiteral("Due :"), txtDue);
    txtPaymentMethod = core::TextBox(QStringLiteral("txtPaymentMethod"), Frame2);
    core::FitToColumn(txtPaymentMethod, QStringLiteral("tbl_customers"), QStringLiteral("cPaymentMethod"));
    addRow(grid, QStringLiteral("Payment Method :"), txtPaymentMethod);
    txtPaymentDetails = core::TextBox(QStringLiteral("txtPaymentDetails"), Frame2);
    addRow(grid, QStringLiteral("Payment Details :"), txtPaymentDetails);
    return Frame2;
}

QGroupBox *frmCustomerDetails::createRoomsFrame()
{
    Frame3 = core::Frame(QStringLiteral("Customer Rooms"), QStringLiteral("Frame3"), PicInner);
    auto *grid = frameGrid(Frame3);
    ListView1 = core::Named(new QTreeWidget(Frame3), QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setHeaderLabels({QStringLiteral("Booked Room(s)"), QStringLiteral("Room Prices(s)")});
    grid->addWidget(ListView1, 0, 0);
    return Frame3;
}

void frmCustomerDetails::fitContent() { core::FitScrollContent(*this, PicOuter, PicInner, HBar, VBar); }

} // namespace frontdesk
