#include "frontdesk/schedule/frmroomlist.h"

#include "ado/recordset.h"
#include "core/aids/scrollarea.h"
#include "core/aids/scrollresize.h"
#include "core/db/dbworks.h"
#include "core/db/sqltext.h"
#include "core/state/connecthandler.h"
#include "core/state/errorreport.h"
#include "core/state/runhandler.h"
#include "core/ui/showntext.h"
#include "core/ui/windowkit.h"
#include "frontdesk/schedule/roomliststatements.h"
#include "frontdesk/shared/listexport.h"
#include "ui/dialogs.h"
#include "ui/twips.h"
#include "vb/conversions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace frontdesk {

namespace {

constexpr int DesignWidth = 10530;
constexpr int DesignHeight = 7830;
constexpr int ContentWidth = 10140;
constexpr int ContentHeight = 7140;

using core::TextOf;

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(ui::TwipsToPixelsX(left), ui::TwipsToPixelsY(top), ui::TwipsToPixelsX(width),
                        ui::TwipsToPixelsY(height));
}

// The guest's title and names in the order of the chosen option, joined by single blanks.
QString nameInOrder(int order, const QString &title, const QString &first, const QString &last)
{
    switch (order) {
    case 1: return last + QLatin1Char(' ') + first + QLatin1Char(' ') + title;
    case 2: return first + QLatin1Char(' ') + last + QLatin1Char(' ') + title;
    default: return title + QLatin1Char(' ') + first + QLatin1Char(' ') + last;
    }
}

} // namespace

frmRoomList::frmRoomList() : ui::Form(Name, ui::FormKind::MdiChild)
{
    SetCaption(QStringLiteral("Room(s) Booking Schedules"));
    createControls();
    core::ConnectHandler(ComboRooms, &QComboBox::activated, this, &frmRoomList::ComboRooms_Click);
    for (int i = 0; i < 3; ++i)
        core::ConnectHandler(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmRoomList::Command1_Click);
}

void frmRoomList::createControls()
{
    const core::ScrollArea area = core::BuildScrollArea(*this, ContentWidth, ContentHeight);
    PicOuter = area.PicOuter;
    PicInner = area.PicInner;
    HBar = area.HBar;
    VBar = area.VBar;

    Frame2 = core::Frame(QString(), QStringLiteral("Frame2"), PicInner);
    Label1 = core::Label(QStringLiteral("Room Selection :"), QStringLiteral("Label1"), Frame2);
    ComboRooms = core::ComboBox(QStringLiteral("ComboRooms"), Frame2);
    auto *roomRow = new QHBoxLayout(Frame2);
    roomRow->addWidget(Label1);
    roomRow->addWidget(ComboRooms, 1);
    place(Frame2, 120, 60, 4020, 1260);

    Frame3 = core::Frame(QStringLiteral("Name View"), QStringLiteral("Frame3"), PicInner);
    auto *optionRow = new QVBoxLayout(Frame3);
    optionRow->setSpacing(0);
    const QString captions[] = {QStringLiteral("Title, First, Last Name"), QStringLiteral("Last, First Name, Title"),
                                QStringLiteral("First, Last Name, Title")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = core::OptionButton(captions[i], QStringLiteral("Option1_%1").arg(i), Frame3);
        optionRow->addWidget(Option1[i]);
    }
    place(Frame3, 4260, 60, 5760, 1260);

    Frame1 = core::Frame(QStringLiteral("Booking Details for Room :"), QStringLiteral("Frame1"), PicInner);
    listRoomView = core::Named(new controls::ReportList(Frame1), QStringLiteral("listRoomView"));
    listRoomView->setFont(QFont(QStringLiteral("Arial"), 9));
    place(Frame1, 120, 1440, 9900, 5040);
    place(listRoomView, 120, 300, 9660, 4620);

    Command1 = core::Button(QStringLiteral("Export to Excel"), QStringLiteral("Command1"), PicInner);
    place(Command1, 8220, 6600, 1800, 420);
}

void frmRoomList::Form_Load()
{
    // The load has no handler of its own: a failure is reported and the window stays.
    core::RunHandler(QStringLiteral("frmRoomList.Form_Load"), core::ReportMode::Modal, [this] {
        Option1[0]->setChecked(true);
        Option1_Click(0);
        listRoomView->setFullRowSelect(true);
        listRoomView->setGridLines(true);
        listRoomView->addColumnHeader(QStringLiteral("Bookedy By"), ui::TextWidthTwips(this, QStringLiteral("Abbrdrev 36535653 Ready to Run Visual 00000 Abb")), 1);
        listRoomView->addColumnHeader(QStringLiteral("Check In"), ui::TextWidthTwips(this, QStringLiteral("Abbrdrev36535")), 2);
        listRoomView->addColumnHeader(QStringLiteral("Check Out"), ui::TextWidthTwips(this, QStringLiteral("Ready-to-Run owjjiuu")), 3);
        SetWidth(DesignWidth);
        SetHeight(DesignHeight);
        GetRoomInCombo();
    });
}

void frmRoomList::GetRoomInCombo()
{
    const auto rooms = core::OpenRecordset(ScheduleRoomsSql());
    if (!rooms)
        return;
    for (; !rooms->IsEOF(); rooms->MoveNext()) {
        // Rooms without a description are rooms too; a row without a number has no schedule.
        const QString room = TextOf(rooms->Fields(QStringLiteral("RoomNameID")).Value());
        if (!room.isEmpty())
            ComboRooms->addItem(room);
    }
    if (ComboRooms->count() >= 1) {
        ComboRooms->setCurrentIndex(0);
        ComboRooms_Click();
    }
}

int frmRoomList::nameOrder() const
{
    for (int i = 0; i < 3; ++i) {
        if (Option1[i]->isChecked())
            return i;
    }
    return 0;
}

void frmRoomList::getRoomList()
{
    try {
        const QString room = ComboRooms->currentText();
        if (room.isEmpty())
            return;
        Frame1->setTitle(QStringLiteral("Booking Details for Room :") + room);
        listRoomView->clear();
        const auto rows = core::OpenRecordset(RoomScheduleSql(room));
        if (!rows)
            return;
        const int order = nameOrder();
        for (; !rows->IsEOF(); rows->MoveNext()) {
            if (TextOf(rows->Fields(2).Value()).isEmpty())
                continue;
            const int row = listRoomView->addItem(
                nameInOrder(order, TextOf(rows->Fields(QStringLiteral("cTitle")).Value()),
                            TextOf(rows->Fields(QStringLiteral("cFirstName")).Value()),
                            TextOf(rows->Fields(QStringLiteral("cLastName")).Value())));
            listRoomView->setSubItem(row, 1, core::ShownApostrophes(TextOf(rows->Fields(QStringLiteral("CheckInDate")).Value())));
            listRoomView->setSubItem(row, 2, core::ShownApostrophes(TextOf(rows->Fields(QStringLiteral("CheckOutDate")).Value())));
        }
    } catch (const vb::Error &error) {
        // This list reports in a plain box, not in the error report.
        const QString text = error.Number() == vb::errDivisionByZero
                                 ? QStringLiteral("Error : Could Not Populate the Room Schedule List!")
                                 : QStringLiteral("Error : ") + QString::number(error.Number()) + vb::vbCrLf
                                       + error.Description();
        ui::MsgBox(text, ui::vbCritical);
    }
}

void frmRoomList::ComboRooms_Click() { getRoomList(); }

void frmRoomList::Option1_Click(int) { getRoomList(); }

void frmRoomList::Command1_Click()
{
    core::RunHandler(QStringLiteral("frmRoomList.Command1_Click"), core::ReportMode::Modal,
                     [this] { ExportListToExcel(*listRoomView, QString(), this); });
}

void frmRoomList::Form_Resize()
{
    core::ResumeNext([this] { core::ScrollResize(*this); });
}

} // namespace frontdesk
