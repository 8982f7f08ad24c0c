#include "frontdesk/guests/customerlistwindow.h"

#include "ado/recordset.h"
#include "core/db/dbworks.h"
#include "core/db/sqltext.h"
#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "core/ui/resultrows.h"
#include "core/ui/showntext.h"
#include "core/ui/windowkit.h"
#include "frontdesk/guests/customerliststatements.h"
#include "frontdesk/shared/listexport.h"
#include "frontdesk/shared/listicons.h"
#include "ui/twips.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace frontdesk {

namespace {

// The window's designed size, twips.
constexpr int DesignWidth = 9345;
constexpr int DesignHeight = 7320;
constexpr int FrameLeft = 120;
constexpr int ListFrameTop = 1320;

// How a column's value becomes its text.
enum class Shown { AsStored, Apostrophes, Currency, CustomerId, Status };

struct Column {
    const char *header;
    const char *sample;
    const char *field;
    Shown shown;
};

// The 21 columns; the last, the key, has no header and no width.
constexpr Column Columns[] = {
    {"Title", "Abbrdreviouii", "cTitle", Shown::AsStored},
    {"First Name", "Abbrdrev36535653", "cFirstName", Shown::Apostrophes},
    {"Last Name", "Abbrdrev ready run", "cLastName", Shown::Apostrophes},
    {"Address", "Ready-to-Run owjjiuuuiijj", "cAddress", Shown::Apostrophes},
    {"Contacts", "Ready-to-Run Visual ", "cPhone", Shown::Apostrophes},
    {"Adults", "Ready-to0000", "cNoOfAdults", Shown::AsStored},
    {"Minors", "Ready-to0000", "cNoOfMinors", Shown::AsStored},
    {"Check in Date", "Ready-to-Run Visual ", "cCheckInDate", Shown::AsStored},
    {"Check Out Date", "Ready-to-Run Visual ", "cCheckOutDate", Shown::AsStored},
    {"Days", "Ready-to", "cNoOfDays", Shown::AsStored},
    {"Rate Per Night", "Ready-to-Run Visual ", "cRoomsRate", Shown::Currency},
    {"Tax Amount", "Ready-to-Run Visual ", "cTax", Shown::Currency},
    {"Grand Total", "Ready-to-Run Visual ", "cGrandTotal", Shown::Currency},
    {"Advance Paid", "Ready-to-Run Visual ", "cAdvancePaid", Shown::Currency},
    {"Due", "Ready-to-Run Visual ", "cDue", Shown::Currency},
    {"Payment Method", "Ready-to-Run Visual00000 ", "cPaymentMethod", Shown::AsStored},
    {"Payment Details", "Ready-to-Run Visual ", "cPaymentMethodDetails", Shown::AsStored},
    {"Booked Rooms", "Ready-to-Run Visual ", "cRoomNameID", Shown::AsStored},
    {"Customer ID", "987907979709097", "cUniqueNo", Shown::CustomerId},
    {"Status", "987907979709097", "cStatus", Shown::Status},
    {"", "", "ID", Shown::AsStored},
};
static_assert(std::size(Columns) == CustomerListColumns);

using core::TextOf;

// Most texts hold no stored apostrophe: skip the search for "!*!" in them.
QString withApostrophes(const QString &text)
{
    return text.contains(QLatin1Char('!')) ? core::ShownApostrophes(text) : text;
}

// Dates and amounts repeat from guest to guest (arrivals of a day, room rates): each distinct
// value is formatted once per fill.
class FormatCache {
public:
    QString text(const vb::Variant &value)
    {
        if (value.type() == vb::VarType::Date)
            return cached(dates_, value.asDate().serial(), value, [](const vb::Variant &v) { return vb::CStr(v); });
        return TextOf(value);
    }
    QString currency(const vb::Variant &value)
    {
        if (value.isNull())
            return {};
        const auto format = [](const vb::Variant &v) { return vb::Format(v, QStringLiteral("Currency")); };
        if (value.type() == vb::VarType::Currency)
            return cached(amounts_, value.asCurrency().raw(), value, format);
        return format(value);
    }

private:
    template <class Key, class Format>
    static QString cached(QHash<Key, QString> &cache, Key key, const vb::Variant &value, Format format)
    {
        const auto it = cache.constFind(key);
        if (it != cache.cend())
            return *it;
        return *cache.insert(key, format(value));
    }
    QHash<double, QString> dates_;
    QHash<int64_t, QString> amounts_;
};

// How a column of the given kind shows its value; `status` shows the status column.
core::ResultRows::CellText cellText(Shown shown, const std::shared_ptr<FormatCache> &formats,
                                    core::ResultRows::CellText status)
{
    switch (shown) {
    case Shown::Apostrophes:
        return [](const vb::Variant &value) { return withApostrophes(TextOf(value)); };
    case Shown::Currency:
        return [formats](const vb::Variant &value) { return formats->currency(value); };
    case Shown::CustomerId:
        return [sign = core::State().mOrderSign](const vb::Variant &value) { return sign + TextOf(value); };
    case Shown::Status:
        return status;
    case Shown::AsStored:
        break;
    }
    return [formats](const vb::Variant &value) { return formats->text(value); };
}

} // namespace

QBoxLayout *LabelAbove(QWidget *label, QWidget *field)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(1);
    column->addWidget(label);
    column->addWidget(field);
    return column;
}

int TitleIcon(const QString &title)
{
    static const QStringList men{QStringLiteral("Master"), QStringLiteral("Shri"), QStringLiteral("Prof"),
                                 QStringLiteral("Dr"), QStringLiteral("Mr")};
    return men.contains(QString(title).remove(QLatin1Char('.'))) ? 1 : 2;
}

CustomerListWindow::CustomerListWindow(const QString &name, const QString &caption, const QString &table, Codes codes)
    : ui::Form(name, ui::FormKind::MdiChild), table_(table), codes_(std::move(codes))
{
    SetCaption(caption);
    createControls();
    AGMyPopUp1 = new controls::PopupMenu(customerList);
    core::ConnectHandler(Command3, &QPushButton::clicked, this, &CustomerListWindow::Command3_Click);
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &CustomerListWindow::Command1_Click);
    core::ConnectHandler(txtSearchCustomer, &QLineEdit::returnPressed, this, &CustomerListWindow::Command3_Click);
    core::ConnectHandler(customerList, &controls::ReportList::dblClick, this,
                         &CustomerListWindow::customerList_DblClick);
    core::ConnectHandler(customerList, &controls::ReportList::mouseUp, this, &CustomerListWindow::customerList_MouseUp);
    core::ConnectHandler(AGMyPopUp1, &controls::PopupMenu::click, this, &CustomerListWindow::AGMyPopUp1_Click);
}

void CustomerListWindow::createControls()
{
    Frame2 = core::Frame(QStringLiteral("Search"), QStringLiteral("Frame2"), this);
    Label3 = core::Label(QStringLiteral("Customer ID, First Name or Last Name :"), QStringLiteral("Label3"), Frame2);
    txtSearchCustomer = core::TextBox(QStringLiteral("txtSearchCustomer"), Frame2);
    Command3 = core::Button(QStringLiteral("Search"), QStringLiteral("Command3"), Frame2);
    Command1 = core::Button(QStringLiteral("Refresh"), QStringLiteral("Command1"), Frame2);
    searchRow_ = new QHBoxLayout(Frame2);
    searchRow_->addLayout(LabelAbove(Label3, txtSearchCustomer), 1);
    searchRow_->addWidget(Command3, 0, Qt::AlignBottom);
    searchRow_->addWidget(Command1, 0, Qt::AlignBottom);

    Frame1 = core::Frame(QStringLiteral("Customer List"), QStringLiteral("Frame1"), this);
    customerList = core::Named(new controls::ReportList(Frame1), QStringLiteral("customerList"));
    customerList->setFont(QFont(QStringLiteral("Arial"), 9));
    customerList->setAlternateLineColor(QColor(192, 255, 255));
    customerList->setGridLines(true);
    customerList->setSmallIcons(GuestIcons());
}

void CustomerListWindow::addToSearchRow(QLayout *layout) { searchRow_->addLayout(layout); }

void CustomerListWindow::addColumns()
{
    for (const Column &c : Columns) {
        const QString sample = QString::fromLatin1(c.sample);
        customerList->addColumnHeader(QString::fromLatin1(c.header), sample.isEmpty() ? 0 : ui::TextWidthTwips(this, sample));
    }
}

void CustomerListWindow::loadList()
{
    customerList->setFullRowSelect(true);
    addColumns();
    SetWidth(DesignWidth);
    SetHeight(DesignHeight);
    definePopup();
}

QString CustomerListWindow::statusText(const vb::Variant &stored) const { return TextOf(stored); }

// The list shows the query's rows as they are: a row's texts are made when it is shown, read
// or exported. Guests without a first name are left out.
void CustomerListWindow::fill(ado::Recordset &rows)
{
    const auto formats = std::make_shared<FormatCache>();
    const auto status = [this](const vb::Variant &value) { return statusText(value); };
    std::vector<core::ResultRows::Column> columns;
    for (const Column &c : Columns)
        columns.push_back({QString::fromLatin1(c.field), cellText(c.shown, formats, status)});
    const auto list = std::make_shared<core::ResultRows>(rows.Rows(), columns);
    list->keepRowsWithText(2);
    list->setIcon(TitleIcon);
    // An amount that is no number cannot be shown: the fill ends before its row, as a fill
    // that wrote every text at once would have ended there.
    for (qsizetype row = 0; row < list->rows(); ++row) {
        for (int c = 0; c < CustomerListColumns; ++c) {
            if (Columns[c].shown != Shown::Currency)
                continue;
            const vb::Variant amount = list->value(row, c);
            if (amount.isNull() || amount.type() == vb::VarType::Currency)
                continue;
            try {
                formats->currency(amount);
            } catch (const vb::Error &) {
                list->dropFrom(row);
                customerList->setRows(list);
                throw;
            }
        }
    }
    customerList->setRows(list);
}

void CustomerListWindow::RoomListShow()
{
    core::RunHandler(codes_.fill, core::ReportMode::Modal, [this] {
        customerList->clear();
        customerList->setSmallIcons(GuestIcons());
        const auto rows = core::OpenRecordset(
            CustomerListSql(table_, searchMode, txtSearchCustomer->text(), statusFilter()));
        if (rows && !rows->IsEOF())
            fill(*rows);
        // Nothing reads the shared recordset after the fill, and the list holds the rows it
        // shows: they go when the list goes.
        core::CloseRecordset();
    });
}

void CustomerListWindow::Command3_Click()
{
    searchMode = SearchText;
    RoomListShow();
}

void CustomerListWindow::Command1_Click()
{
    searchMode = SearchRefresh;
    RoomListShow();
}

void CustomerListWindow::customerList_DblClick()
{
    if (customerList->listIndex() >= 1)
        AGMyPopUp1->popUp();
}

void CustomerListWindow::customerList_MouseUp(int button, int, int, int)
{
    if (button == 2 && customerList->listIndex() >= 1)
        AGMyPopUp1->popUp();
}

void CustomerListWindow::AGMyPopUp1_Click(const QString &itemName)
{
    core::RunHandler(codes_.popup, core::ReportMode::Modal, [&] { popupChosen(itemName); });
}

void CustomerListWindow::exportList(const QString &proposed)
{
    core::RunHandler(codes_.exportList, core::ReportMode::Modal,
                     [&] { ExportListToExcel(*customerList, proposed, this); });
}

void CustomerListWindow::Form_Resize()
{
    // The frames follow the window's inside: the list frame takes all below the search frame
    // with a margin, the list all of its frame below the caption. A minimised window's sizes
    // are simply not applied.
    const int width = ScaleWidth();
    const int height = ScaleHeight();
    const int listWidth = width - 2 * FrameLeft;
    const int listHeight = height - ListFrameTop - FrameLeft;
    if (listWidth - 240 <= 0 || listHeight - 420 <= 0)
        return;
    Frame2->setGeometry(ui::TwipsToPixelsX(FrameLeft), ui::TwipsToPixelsY(60), ui::TwipsToPixelsX(listWidth),
                        ui::TwipsToPixelsY(1200));
    Frame1->setGeometry(ui::TwipsToPixelsX(FrameLeft), ui::TwipsToPixelsY(ListFrameTop), ui::TwipsToPixelsX(listWidth),
                        ui::TwipsToPixelsY(listHeight));
    customerList->setGeometry(ui::TwipsToPixelsX(120), ui::TwipsToPixelsY(300), ui::TwipsToPixelsX(listWidth - 240),
                              ui::TwipsToPixelsY(listHeight - 420));
}

} // namespace frontdesk
