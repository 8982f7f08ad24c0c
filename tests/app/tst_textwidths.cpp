// Every text box that feeds a text column of fixed width takes no more characters than the
// column holds, in every window, so that a text the embedded file would store is never refused
// by a MariaDB server ("Data too long").
#include "backoffice/adminarea/frmadminarea.h"
#include "backoffice/adminarea/frmroomadminfloat.h"
#include "backoffice/tax/frmtax.h"
#include "core/windows/frmloginout.h"
#include "frontdesk/booking/frmbooking.h"
#include "frontdesk/food/frmfoodingbook.h"
#include "frontdesk/guests/frmcustomerdetails.h"
#include "support/corefixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const std::map<QString, std::function<std::unique_ptr<ui::Form>()>> &windows()
{
    static const std::map<QString, std::function<std::unique_ptr<ui::Form>()>> made = {
        {"frmBooking", [] { return std::make_unique<frontdesk::frmBooking>(); }},
        {"frmCustomerDetails", [] { return std::make_unique<frontdesk::frmCustomerDetails>(); }},
        {"frmFoodingBook", [] { return std::make_unique<frontdesk::frmFoodingBook>(); }},
        {"frmAdminArea", [] { return std::make_unique<backoffice::frmAdminArea>(); }},
        {"frmRoomAdminFloat", [] { return std::make_unique<backoffice::frmRoomAdminFloat>(); }},
        {"frmTax", [] { return std::make_unique<backoffice::frmTax>(); }},
        {"frmLogInOut", [] { return std::make_unique<core::frmLogInOut>(); }},
    };
    return made;
}

// The box of that name: a text box, or the text part of an editable list.
QLineEdit *boxNamed(QWidget &window, const QString &name)
{
    if (auto *list = window.findChild<QComboBox *>(name))
        return list->lineEdit();
    return window.findChild<QLineEdit *>(name);
}

} // namespace

class TextWidthsTest : public QObject {
    Q_OBJECT

private slots:
    void boxesHoldWhatTheirColumnsHold_data();
    void boxesHoldWhatTheirColumnsHold();
};

void TextWidthsTest::boxesHoldWhatTheirColumnsHold_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("width");   // of the column in tbl_..., TEXT(n)
    const struct {
        const char *window, *box;
        int width;
    } rows[] = {
        {"frmBooking", "comboTitle", 50},           {"frmBooking", "txtFName", 255},
        {"frmBooking", "txtLName", 255},            {"frmBooking", "txtPhone", 255},
        {"frmCustomerDetails", "txtTitle", 50},     {"frmCustomerDetails", "txtFName", 255},
        {"frmCustomerDetails", "txtLName", 255},    {"frmCustomerDetails", "txtPhoneNumber", 255},
        {"frmCustomerDetails", "txtPaymentMethod", 255},
        {"frmFoodingBook", "txtCTitle", 50},        {"frmFoodingBook", "txtCFname", 255},
        {"frmFoodingBook", "txtCLname", 255},
        {"frmAdminArea", "txtRoomID", 50},          {"frmAdminArea", "itmCat", 255},
        {"frmAdminArea", "itmName", 225},           {"frmAdminArea", "txtUserName", 255},
        {"frmAdminArea", "txtHotelName", 255},      {"frmAdminArea", "txtHotelPhone", 255},
        {"frmAdminArea", "txtHotelFax", 255},
        {"frmRoomAdminFloat", "txtRoomIDedit", 50},
        {"frmTax", "txtTaxName", 255},              {"frmTax", "Text1", 255},
        {"frmLogInOut", "txtUserName", 255},
    };
    for (const auto &row : rows)
        QTest::newRow(qPrintable(QStringLiteral("%1.%2").arg(row.window, row.box))) << row.window << row.box << row.width;
}

void TextWidthsTest::boxesHoldWhatTheirColumnsHold()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(int, width);
    testsupport::CoreFixture fx;
    const std::unique_ptr<ui::Form> form = windows().at(window)();
    QLineEdit *field = boxNamed(*form, box);
    QVERIFY(field);
    QCOMPARE(field->maxLength(), width);
    field->clear();
    QTest::keyClicks(field, QString(width + 20, u'x'));
    QCOMPARE(field->text().size(), width);
}

QTEST_MAIN(TextWidthsTest)
#include "tst_textwidths.moc"
