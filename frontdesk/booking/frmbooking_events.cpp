// The booking window's wiring: buttons and field changes, the Enter key, clicks that remove
// the balloon hint, and the payment details panel.
#include "frontdesk/booking/frmbooking.h"

#include "core/aids/scrollbar.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "frontdesk/booking/paymentmethod.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace frontdesk {

void frmBooking::connectControls()
{
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmBooking::Command1_Click);
    core::ConnectHandler(Command2, &QPushButton::clicked, this, &frmBooking::Command2_Click);
    core::ConnectHandler(Command3, &QPushButton::clicked, this, &frmBooking::Command3_Click);
    core::ConnectHandler(Command4, &QPushButton::clicked, this, &frmBooking::Command4_Click);
    core::ConnectHandler(Command5, &QPushButton::clicked, this, &frmBooking::Command5_Click);
    core::ConnectHandler(Command6, &QPushButton::clicked, this, &frmBooking::Command6_Click);
    core::ConnectHandler(Command7, &QPushButton::clicked, this, &frmBooking::Command7_Click);
    core::ConnectHandler(Command8, &QPushButton::clicked, this, &frmBooking::Command8_Click);
    for (int index = 0; index < PaymentOptionCount; ++index)
        core::ConnectHandler(paymentMethod[index], &QRadioButton::clicked, this,
                             [this, index] { paymentMethod_Click(index); });

    // The number of days always follows the dates: typing into it is undone at once.
    core::ConnectHandler(dtArrival, &QDateEdit::dateChanged, this, [this] { datesChanged(dtArrival); });
    core::ConnectHandler(dtDepature, &QDateEdit::dateChanged, this, [this] { datesChanged(dtDepature); });
    core::ConnectHandler(txtNumberDays, &QLineEdit::textChanged, this, &frmBooking::CalculateNoDay);
    core::ConnectHandler(txtGrandTotal, &QLineEdit::textChanged, this, &frmBooking::getDue);
    // Choosing a status, by mouse or by keys, is the status list's click.
    core::ConnectHandler(comboStatus, &QComboBox::currentIndexChanged, this, [this] { removeBalloon(); });
}

void frmBooking::watchKeysAndClicks()
{
    const QList<QWidget *> watched{comboTitle, txtFName,      txtLName,    txtAddress,  txtPhone,      comboAdults,
                                   comboMinors, dtArrival,    dtDepature,  txtNumberDays, txtRoomRate, txtTax,
                                   txtGrandTotal, txtDue,     txtAdvance,  Command1,    Command2,      comboStatus,
                                   txtPaymentDetails, ListView1->viewport(), ListView2->viewport(), ListView2};
    for (QWidget *widget : watched)
        widget->installEventFilter(this);
    // Typing in a combo box happens in its own text box.
    for (QComboBox *combo : {comboTitle, comboAdults, comboMinors})
        combo->lineEdit()->installEventFilter(this);
    for (QRadioButton *option : paymentMethod)
        option->installEventFilter(this);
}

bool frmBooking::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (watched == dtArrival || watched == dtDepature)
            core::RunGuarded([&] { dateKeyPressed(static_cast<QDateEdit *>(watched), *keyEvent); });
        const int key = keyEvent->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && core::RunGuardedFilter([&] { return handleEnter(watched); }))
            return true;
        break;
    }
    case QEvent::KeyRelease:
        // The box moves on to the next part of the date once a part is typed in full.
        if (watched == typedDate_ && typedDate_->currentSectionIndex() != typedSection_)
            core::RunGuarded([this] { dateLeft(typedDate_); });
        break;
    case QEvent::MouseButtonPress:
        core::RunGuarded([&] {
            if (watched == typedDate_)
                dateLeft(typedDate_);
            handleMousePress(watched);
        });
        break;
    case QEvent::FocusOut:
        core::RunGuarded([&] {
            if (watched == txtAdvance)
                getDue();
            else if (watched == dtArrival || watched == dtDepature)
                dateLeft(static_cast<QDateEdit *>(watched));
            else if (watched == txtRoomRate || watched == txtTax || watched == txtGrandTotal || watched == txtDue)
                refusesAmount(static_cast<QLineEdit *>(watched));
        });
        break;
    case QEvent::Resize:
        if (watched == ListView2)
            Text1->resize(0, ListView2->height());
        break;
    default:
        break;
    }
    return ui::Form::eventFilter(watched, event);
}

// Enter submits from the guest, stay and amount fields, recomputes the due from the advance,
// and adds or removes a room on the two arrow buttons.
bool frmBooking::handleEnter(QObject *watched)
{
    QObject *field = watched;
    if (auto *edit = qobject_cast<QLineEdit *>(watched); edit && qobject_cast<QComboBox *>(edit->parent()))
        field = edit->parent();

    if (field == txtAdvance) {
        getDue();
        return true;
    }
    if (field == Command1) {
        Command1_Click();
        return true;
    }
    if (field == Command2) {
        Command2_Click();
        return true;
    }
    const QList<QObject *> submitting{comboTitle, txtFName,   txtLName,      txtAddress,  txtPhone,
                                      comboAdults, comboMinors, dtArrival,    dtDepature,  txtNumberDays,
                                      txtRoomRate, txtTax,     txtGrandTotal, txtDue};
    if (!submitting.contains(field))
        return false;
    Command5_Click();
    return true;
}

// Typing a date digit by digit passes through dates that are not meant (the "1" of "15"):
// a date before the arrival is checked once the part being typed is complete, the box is
// left or typing in it ends.
void frmBooking::datesChanged(QDateEdit *changed)
{
    if (changed == dtDepature)
        removeBalloon();
    if (changed == typedDate_ && dtDepature->date() < dtArrival->date()) {
        dateCheckPending_ = true;
        return;
    }
    dateCheckPending_ = false;
    CalculateNoDay();
}

// A digit starts or goes on typing a date; any other key ends it.
void frmBooking::dateKeyPressed(QDateEdit *date, const QKeyEvent &key)
{
    const bool digit = key.text().size() == 1 && key.text().front().isDigit();
    if (!digit)
        dateLeft(date);
    typedDate_ = digit ? date : nullptr;
    typedSection_ = date->currentSectionIndex();
}

void frmBooking::dateLeft(QDateEdit *date)
{
    if (date != typedDate_)
        return;
    typedDate_ = nullptr;
    if (dateCheckPending_) {
        dateCheckPending_ = false;
        CalculateNoDay();
    }
}

bool frmBooking::handleMousePress(QObject *watched)
{
    for (int index = 0; index < PaymentOptionCount; ++index) {
        if (watched == paymentMethod[index]) {
            paymentMethod_MouseDown(index);
            return true;
        }
    }
    if (watched == txtPaymentDetails) {
        txtPaymentDetails_Click();
        return true;
    }
    const QList<QObject *> clearingHint{txtFName, txtLName, comboStatus, ListView1->viewport(),
                                        ListView2->viewport()};
    if (!clearingHint.contains(watched))
        return false;
    removeBalloon();
    return true;
}

// A press on an option shows or hides the details panel; the option's click then decides.
void frmBooking::paymentMethod_MouseDown(int)
{
    core::RunHandler(QStringLiteral("BOK015"), core::ReportMode::Modal, [this] { picPayDetails->setHidden(!picPayDetails->isHidden()); });
}

void frmBooking::paymentMethod_Click(int Index)
{
    core::RunHandler(QStringLiteral("BOK014"), core::ReportMode::Modal, [this, Index] {
        // Details typed for one method are not those of another.
        if (!paymentMethod[paymentIndex]->isChecked())
            txtPaymentDetails->setText(PaymentPrompt(Index));
        if (paymentMethod[PaymentCash]->isChecked()) {
            picPayDetails->hide();
        } else {
            const QString details = txtPaymentDetails->text();
            const QString prompt = PaymentPrompt(Index);
            if (details.isEmpty() || (IsPaymentPrompt(details) && details != prompt))
                txtPaymentDetails->setText(prompt);
            picPayDetails->show();
        }
        for (int index = 0; index < PaymentOptionCount; ++index) {
            if (paymentMethod[index]->isChecked())
                paymentIndex = static_cast<int16_t>(index);
        }
    });
}

void frmBooking::txtPaymentDetails_Click()
{
    core::RunHandler(QStringLiteral("BOK016"), core::ReportMode::Modal, [this] {
        if (IsPaymentPrompt(txtPaymentDetails->text()))
            txtPaymentDetails->clear();
    });
}

// "&OK": without real details (the cheque and card prompts count as none) the payment is
// cash again; the "Other" prompt is taken as the details.
void frmBooking::Command8_Click()
{
    core::RunHandler(QStringLiteral("BOK007"), core::ReportMode::Modal, [this] {
        const QString details = txtPaymentDetails->text();
        const bool noDetails = details.isEmpty() || details == PaymentPrompt(PaymentCheque)
                               || details == PaymentPrompt(PaymentCreditCard);
        if (noDetails || paymentIndex == PaymentCash) {
            paymentMethod[PaymentCash]->setChecked(true);
            paymentMethod_Click(PaymentCash);
        } else {
            picPayDetails->hide();
        }
    });
}

} // namespace frontdesk
