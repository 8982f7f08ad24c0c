#pragma once
// The room editor: a small modal window that changes the number, description and tariff of
// the room selected in the administration window's room list, keeping the room's booking
// table and bookings with it when the number changes.
#include "backoffice/adminarea/floateditor.h"
#include "vb/currency.h"

#include <QString>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace backoffice {

class frmRoomAdminFloat : public FloatEditor {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmRoomAdminFloat");

    frmRoomAdminFloat();
    ~frmRoomAdminFloat() override;

    QLabel *Label1;   // "Room ID :"
    QLineEdit *txtRoomIDedit;
    QLabel *Label2;   // "Note :"
    QLineEdit *txtRoomDescEdit;
    QLabel *Label3;   // "Rate :"
    QLineEdit *txtPriceEdit;
    QPushButton *cmdEditIt;     // "&Update"
    QPushButton *cmdCancelIt;   // "&Cancel"

    void cmdEditIt_Click();
    void cmdCancelIt_Click();
    void txtRoomIDedit_KeyDown();

protected:
    void loadEditor() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadRoom();
    // False when a check failed and the window stays open for a correction.
    bool saveRoom();
    bool storeRoom(long roomId, const QString &room, vb::Currency price);
    bool renameInGuestLists(const QString &room);

    QString loadedRoom_;   // the room's number when it was loaded
};

} // namespace backoffice
