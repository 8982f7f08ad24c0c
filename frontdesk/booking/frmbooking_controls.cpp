// The controls of the booking window and their layout on the scrollable area.
#include "frontdesk/booking/frmbooking.h"

#include "core/aids/fitscrollcontent.h"
#include "core/aids/scrollarea.h"
#include "core/aids/scrollbar.h"
#include "core/ui/columnfit.h"
#include "core/ui/windowkit.h"
#include "frontdesk/booking/paymentmethod.h"
#include "vb/locale.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace frontdesk {

namespace {

template <class W> W *named(W *widget, const QString &name, const QString &toolTip = QString())
{
    widget->setObjectName(name);
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    return widget;
}

// Text boxes take room for a usual entry and no more, so that the window keeps its size.
QLineEdit *textBox(const QString &name, const QString &toolTip)
{
    auto *box = named(new QLineEdit, name, toolTip);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 14);
    return box;
}

// Amounts select their whole text on entry (core::AmountBox), so typing replaces "$0.00".
QLineEdit *amountBox(const QString &name, const QString &toolTip)
{
    QLineEdit *box = core::AmountBox(name, nullptr);
    box->setToolTip(toolTip);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 14);
    return box;
}

QGroupBox *frame(const QString &name, const QString &caption)
{
    return named(new QGroupBox(caption), name);
}

// The frames' own layouts: close to the frame, so that the window keeps its designed size.
template <class L> L *frameLayout(QGroupBox *frame)
{
    auto *layout = new L(frame);
    layout->setContentsMargins(6, 4, 6, 6);
    return layout;
}

// Adults and minors go into the guest row as typed, so only digits can be typed.
void wholeNumbersOnly(QComboBox *combo)
{
    combo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), combo));
}

// Combo boxes as wide as their column, not as their longest item.
QComboBox *comboBox(const QString &name, const QString &toolTip, core::ComboStyle style)
{
    auto *combo = named(new QComboBox, name, toolTip);
    combo->setEditable(style == core::ComboStyle::DropdownCombo);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(4);
    return combo;
}

QDateEdit *datePicker(const QString &name, const QString &toolTip)
{
    auto *picker = named(new QDateEdit, name, toolTip);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(vb::ShortDateFormat());
    return picker;
}

QTreeWidget *roomList(const QString &name, const QString &toolTip)
{
    auto *list = named(new QTreeWidget, name, toolTip);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(false);
    return list;
}

// The calculator button's picture: a small pocket calculator.
QIcon calculatorIcon()
{
    QPixmap pixmap(20, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(1.5, 0.5, 17, 23), 2, 2);
    p.setBrush(QColor(170, 210, 170));
    p.drawRect(QRectF(4.5, 3.5, 11, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(4.5 + col * 4, 11 + row * 4, 3, 3));
    return QIcon(pixmap);
}

} // namespace

void frmBooking::createControls()
{
    const core::ScrollArea area = core::BuildScrollArea(*this, 0, 0);
    PicOuter = area.PicOuter;
    PicInner = area.PicInner;
    HBar = area.HBar;
    VBar = area.VBar;

    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(createCustomerFrame());
    left->addWidget(createTariffFrame());
    left->addWidget(createPaymentsFrame());
    left->addStretch(1);

    // A larger window gives its extra height mostly to the room lists, and its extra width
    // to the right-hand column: the short fields on the left keep their size.
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(createRoomsFrame(), 3);
    right->addWidget(createPaymentMethodFrame());
    right->addWidget(createNotesFrame(), 1);

    auto *columns = new QHBoxLayout(PicInner);
    columns->setContentsMargins(6, 4, 6, 4);
    columns->setSpacing(6);
    columns->addLayout(left);
    columns->addLayout(right, 1);

    fitContent();
}

void frmBooking::fitContent() { core::FitScrollContent(*this, PicOuter, PicInner, HBar, VBar); }

void frmBooking::addRoomColumns(QTreeWidget *list, const QStringList &samples)
{
    list->setHeaderLabels({QStringLiteral("Room(s)"), QStringLiteral("Room Type"), QStringLiteral("Tariff")});
    int width = 2 * list->frameWidth();
    for (int column = 0; column < samples.size(); ++column) {
        list->setColumnWidth(column, fontMetrics().horizontalAdvance(samples[column]));
        width += list->columnWidth(column);
    }
    list->setMinimumWidth(width);
}

QGroupBox *frmBooking::createCustomerFrame()
{
    Frame1 = frame(QStringLiteral("Frame1"), QStringLiteral("Customer Details"));
    comboTitle = comboBox(QStringLiteral("comboTitle"), QStringLiteral("Customer Title"),
                          core::ComboStyle::DropdownCombo);
    txtFName = textBox(QStringLiteral("txtFName"), QStringLiteral("Customer First Name"));
    txtLName = textBox(QStringLiteral("txtLName"), QStringLiteral("Customer Last Name"));
    txtAddress = textBox(QStringLiteral("txtAddress"), QStringLiteral("Customer Address"));
    txtPhone = textBox(QStringLiteral("txtPhone"), QStringLiteral("Phone Number"));
    core::FitToColumn(comboTitle, QStringLiteral("tbl_customers"), QStringLiteral("cTitle"));
    core::FitToColumn(txtFName, QStringLiteral("tbl_customers"), QStringLiteral("cFirstName"));
    core::FitToColumn(txtLName, QStringLiteral("tbl_customers"), QStringLiteral("cLastName"));
    core::FitToColumn(txtPhone, QStringLiteral("tbl_customers"), QStringLiteral("cPhone"));
    comboAdults = comboBox(QStringLiteral("comboAdults"), QStringLiteral("Number of Adults"),
                           core::ComboStyle::DropdownCombo);
    comboMinors = comboBox(QStringLiteral("comboMinors"), QStringLiteral("Number of Minors / Kids"),
                           core::ComboStyle::DropdownCombo);
    for (QComboBox *count : {comboAdults, comboMinors}) {
        wholeNumbersOnly(count);
        count->setMinimumContentsLength(2);
    }
    dtArrival = datePicker(QStringLiteral("dtArrival"), QStringLiteral("Check In Date (Arrival)"));
    dtDepature = datePicker(QStringLiteral("dtDepature"), QStringLiteral("Check In Date (Arrival)"));
    comboStatus = comboBox(QStringLiteral("comboStatus"), QString(), core::ComboStyle::DropdownList);

    // The status hint is anchored on a box of its own lying at the status list's corner.
    Text2 = named(new QLineEdit(comboStatus), QStringLiteral("Text2"));
    Text2->setGeometry(0, 0, 0, 0);
    Text2->hide();

    auto *grid = frameLayout<QGridLayout>(Frame1);
    grid->setVerticalSpacing(3);
    int row = 0;
    auto addRow = [&](const QString &label, QWidget *field) {
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(field, row++, 1);
    };
    addRow(QStringLiteral("Title : "), comboTitle);
    addRow(QStringLiteral("First Name : "), txtFName);
    addRow(QStringLiteral("Last Name : "), txtLName);
    addRow(QStringLiteral("Address : "), txtAddress);
    addRow(QStringLiteral("Phone, Email etc : "), txtPhone);
    addRow(QStringLiteral("Adults : "), comboAdults);
    addRow(QStringLiteral("Minors : "), comboMinors);
    addRow(QStringLiteral("Check In : "), dtArrival);
    addRow(QStringLiteral("Check Out : "), dtDepature);
    addRow(QStringLiteral("Booking Status : "), comboStatus);
    grid->setColumnStretch(1, 1);
    return Frame1;
}

QGroupBox *frmBooking::createRoomsFrame()
{
    Frame2 = frame(QStringLiteral("Frame2"), QStringLiteral("Rooms Option"));
    ListView1 = roomList(QStringLiteral("ListView1"), QStringLiteral("Available Rooms for Booking"));
    ListView2 = roomList(QStringLiteral("ListView2"), QStringLiteral("Added Rooms for Booking"));
    const QFontMetrics fm = fontMetrics();
    const int listHeight = fm.height() * 6;
    ListView1->setMinimumHeight(listHeight);
    ListView2->setMinimumHeight(listHeight);

    Command1 = named(new QPushButton, QStringLiteral("Command1"));
    Command1->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Command2 = named(new QPushButton, QStringLiteral("Command2"));
    Command2->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    Command3 = named(new QPushButton(QStringLiteral("&Refresh && Reset")), QStringLiteral("Command3"),
                     QStringLiteral("Refresh & Reset Fields."));
    Command5 = named(new QPushButton(QStringLiteral("Submit")), QStringLiteral("Command5"),
                     QStringLiteral("Check in Customer"));

    // The rooms hint points at the lower left corner of the booked list.
    Text1 = named(new QLineEdit(ListView2), QStringLiteral("Text1"));
    Text1->setGeometry(0, 0, 0, listHeight);
    Text1->hide();

    auto *moves = new QHBoxLayout;
    moves->addWidget(new QLabel(QStringLiteral("Added Room(s)")));
    moves->addStretch(1);
    moves->addWidget(Command1);
    moves->addWidget(Command2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command5);

    auto *box = frameLayout<QVBoxLayout>(Frame2);
    box->addWidget(new QLabel(QStringLiteral("Available Room(s)")));
    box->addWidget(ListView1, 1);
    box->addLayout(moves);
    box->addWidget(ListView2, 1);
    box->addLayout(buttons);
    return Frame2;
}

QGroupBox *frmBooking::createTariffFrame()
{
    Frame3 = frame(QStringLiteral("Frame3"), QStringLiteral("Tariff Calculation"));
    txtNumberDays = textBox(QStringLiteral("txtNumberDays"), QStringLiteral("Number of Days"));
    txtRoomRate = amountBox(QStringLiteral("txtRoomRate"), QStringLiteral("Total Room Rate(s)"));
    lbPercent = named(new QLabel(QStringLiteral("0")), QStringLiteral("lbPercent"));
    txtTax = amountBox(QStringLiteral("txtTax"), QStringLiteral("Total Tax Amount"));
    Command4 = named(new QPushButton(QStringLiteral("Tax")), QStringLiteral("Command4"), QStringLiteral("Open Tax Lists"));
    txtGrandTotal = amountBox(QStringLiteral("txtGrandTotal"), QStringLiteral("Grand Total"));
    Command7 = named(new QPushButton(QStringLiteral("Calculate")), QStringLiteral("Command7"), QStringLiteral("Calculate"));

    auto *percent = new QHBoxLayout;
    percent->setSpacing(0);
    percent->addWidget(lbPercent);
    percent->addWidget(new QLabel(QStringLiteral(" %")));

    QBoxLayout *buttons = core::ButtonRow({Command4, Command7});

    auto *grid = frameLayout<QGridLayout>(Frame3);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("No. of Days : ")), 0, 0);
    grid->addWidget(txtNumberDays, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Room(s) Rate : ")), 1, 0);
    grid->addWidget(txtRoomRate, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Tax(s) : ")), 2, 0);
    grid->addWidget(txtTax, 2, 1);
    grid->addLayout(percent, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Grand Total : ")), 3, 0);
    grid->addWidget(txtGrandTotal, 3, 1);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return Frame3;
}

QGroupBox *frmBooking::createPaymentsFrame()
{
    Frame4 = frame(QStringLiteral("Frame4"), QStringLiteral("Payments"));
    txtAdvance = amountBox(QStringLiteral("txtAdvance"), QStringLiteral("Advance Payment by Customer"));
    txtDue = amountBox(QStringLiteral("txtDue"), QStringLiteral("Due Amount"));
    Command6 = named(new QPushButton, QStringLiteral("Command6"), QStringLiteral("Open Calculater"));
    Command6->setIcon(calculatorIcon());
    Command6->setIconSize(QSize(20, 24));

    auto *grid = frameLayout<QGridLayout>(Frame4);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("Advance : ")), 0, 0);
    grid->addWidget(txtAdvance, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Due : ")), 1, 0);
    grid->addWidget(txtDue, 1, 1);
    grid->addWidget(Command6, 0, 2, 2, 1);
    grid->setColumnStretch(1, 1);
    return Frame4;
}

QGroupBox *frmBooking::createPaymentMethodFrame()
{
    Frame5 = frame(QStringLiteral("Frame5"), QStringLiteral("Payment Method"));
    auto *options = new QHBoxLayout;
    for (int index = 0; index < PaymentOptionCount; ++index) {
        paymentMethod[index] = named(new QRadioButton(PaymentMethodName(index)),
                                     QStringLiteral("paymentMethod(%1)").arg(index));
        options->addWidget(paymentMethod[index]);
    }
    options->addStretch(1);

    // The details panel keeps its place while hidden, so the frame does not jump.
    picPayDetails = named(new QFrame, QStringLiteral("picPayDetails"));
    QSizePolicy keepPlace = picPayDetails->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    picPayDetails->setSizePolicy(keepPlace);
    txtPaymentDetails = textBox(QStringLiteral("txtPaymentDetails"), QString());
    Command8 = named(new QPushButton(QStringLiteral("&OK")), QStringLiteral("Command8"));
    auto *panel = new QHBoxLayout(picPayDetails);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(txtPaymentDetails, 1);
    panel->addWidget(Command8);
    picPayDetails->hide();

    auto *box = frameLayout<QVBoxLayout>(Frame5);
    box->addLayout(options);
    box->addWidget(picPayDetails);
    return Frame5;
}

QGroupBox *frmBooking::createNotesFrame()
{
    Frame6 = frame(QStringLiteral("Frame6"), QStringLiteral("Additional Notes"));
    txtAdditionalNote = named(new QPlainTextEdit, QStringLiteral("txtAdditionalNote"));
    txtAdditionalNote->setTabChangesFocus(true);
    txtAdditionalNote->setMinimumHeight(fontMetrics().height() * 3);
    auto *box = frameLayout<QVBoxLayout>(Frame6);
    box->addWidget(txtAdditionalNote);
    return Frame6;
}

} // namespace frontdesk
