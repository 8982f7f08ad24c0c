#pragma once
// The "Room(s) Booking Schedules" child window: the bookings stored in one room's table,
// with the guest's title and names in the chosen order, earliest check-out first; the list
// can be exported.
#include "controls/reportlist.h"
#include "ui/form.h"

#include <QString>
#include <array>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace core {
class ScrollBar;
}

namespace frontdesk {

class frmRoomList : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmRoomList");

    frmRoomList();

    // Not used by any window; kept with the window's public members.
    QString xUniqueID;

    // The scrollable area.
    QFrame *PicOuter;
    QWidget *PicInner;
    core::ScrollBar *HBar;
    core::ScrollBar *VBar;

    QGroupBox *Frame2;          // holds the room choice
    QLabel *Label1;             // "Room Selection :"
    QComboBox *ComboRooms;
    QGroupBox *Frame3;          // "Name View"
    std::array<QRadioButton *, 3> Option1{};
    QGroupBox *Frame1;          // "Booking Details for Room :" + the room
    controls::ReportList *listRoomView;
    QPushButton *Command1;      // "Export to Excel"

    // Fills the combo with every described room and selects the first.
    void GetRoomInCombo();
    // Lists the bookings of the room in the combo.
    void getRoomList();

    void ComboRooms_Click();
    void Option1_Click(int Index);
    void Command1_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    void createControls();
    int nameOrder() const;
};

} // namespace frontdesk
