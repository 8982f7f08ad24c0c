// The administration window: load and unload, the hints, the clicks and keys the boxes
// watch, and where the editors open. Each tab's actions are in frmadminarea_<tab>.cpp.
#include "backoffice/adminarea/frmadminarea.h"

#include "backoffice/adminarea/adminaids.h"
#include "controls/popupmenu.h"
#include "controls/reportlist.h"
#include "core/aids/scrollbar.h"
#include "core/aids/scrollresize.h"
#include "core/crypto/ccrypto.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "core/ui/balloonhint.h"
#include "ui/commondialog.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QCheckBox>
#include <QTimer>

namespace backoffice {

namespace {

// The window's size at the end of its load, twips.
constexpr int LoadedHeight = 7755;
constexpr int LoadedWidth = 9450;

void addColumns(controls::ReportList *list, const QWidget *window,
                std::initializer_list<std::pair<const char *, const char *>> columns)
{
    for (const auto &[caption, sample] : columns)
        list->addColumnHeader(QString::fromUtf8(caption), ui::TextWidthTwips(window, QString::fromUtf8(sample)));
    list->addColumnHeader(QString(), 0);   // the row's key
}

} // namespace

frmAdminArea::frmAdminArea() : ui::Form(Name, ui::FormKind::MdiChild)
{
    SetCaption(QStringLiteral("Administration"));
    createControls();
    connectControls();
    watchClicksAndKeys();
}

frmAdminArea::~frmAdminArea() = default;

void frmAdminArea::Form_Load()
{
    core::RunHandler(QStringLiteral("ADM0013"), core::ReportMode::Modal, [this] {
        listRoomView->setFullRowSelect(true);
        FoodLV->setFullRowSelect(true);
        addListColumns();
        loadDatabaseSettings();
        comboRoomType->addItems({QStringLiteral("Twin Bed"), QStringLiteral("Single Bed"), QStringLiteral("Double Bed")});
        comboRoomType->setCurrentIndex(0);
        RoomListShow();
        UserListView();
        LoadHotelInfo();
        CategoryListShow();
        SetHeight(LoadedHeight);
        SetWidth(LoadedWidth);
    });
}

void frmAdminArea::addListColumns()
{
    addColumns(FoodLV, this,
               {{"Item Name", "Abbrdreopuiop3245254252"},
                {"Item Price", "Item Priceoo45245452"},
                {"Item Note", "Item Note452525245 764747647674464647474576476474764"}});
    addColumns(listRoomView, this,
               {{"Room ID", "Abbrdrev36535653"},
                {"Descripton", "Algorithms563653536536536535353654"},
                {"Room Type", "Ready-to-Run owjjiuuuiijj"},
                {"Tariff", "Ready-to-Run Visual "}});
    addColumns(UserList, this,
               {{"User Name", "Abbrdrev36535653"},
                {"Settings", "Ready-to-Run"},
                {"Room View", "Ready-to-Run Visua"},
                {"Tax View|Edit", "Ready-to-Run Visua"},
                {"Customer View|Edit", "Ready-to-Run Visual 0000000"},
                {"View Report", "Ready-to-Run Visual"}});
}

void frmAdminArea::Form_Unload(int &)
{
    removeBalloon();
    Timer1->stop();
}

void frmAdminArea::Form_Resize()
{
    fitContent();
    core::ResumeNext([this] { core::ScrollResize(*this); });
}

void frmAdminArea::connectControls()
{
    core::ConnectHandler(cmdAddRoom, &QPushButton::clicked, this, &frmAdminArea::cmdAddRoom_Click);
    core::ConnectHandler(cmdRemoveRoom, &QPushButton::clicked, this, &frmAdminArea::iRemoveRoom);
    for (QLineEdit *box : {txtRoomID, txtRoomDesc, txtRoomPrice})
        core::ConnectHandler(box, &QLineEdit::textChanged, cmdAddRoom, [this] { cmdAddRoom->setEnabled(true); });
    core::ConnectHandler(comboRoomType, &QComboBox::currentTextChanged, cmdAddRoom,
                         [this] { cmdAddRoom->setEnabled(true); });
    core::ConnectHandler(listRoomView, &controls::ReportList::mouseUp, this,
                         [this](int button, int, int, int) { listRoomView_MouseDown(button); });
    core::ConnectHandler(AGPopUp1, &controls::PopupMenu::click, this, &frmAdminArea::AGPopUp1_Click);
    core::ConnectHandler(Timer1, &QTimer::timeout, this, &frmAdminArea::Timer1_Timer);

    core::ConnectHandler(Command4, &QPushButton::clicked, this, &frmAdminArea::Command4_Click);
    core::ConnectHandler(Command5, &QPushButton::clicked, this, &frmAdminArea::Command5_Click);
    core::ConnectHandler(Command6, &QPushButton::clicked, this, &frmAdminArea::Command6_Click);
    core::ConnectHandler(Command7, &QPushButton::clicked, this, &frmAdminArea::Command7_Click);
    core::ConnectHandler(ItemCatLV, &controls::ReportList::itemClick, this, &frmAdminArea::ItemCatLV_ItemClick);
    core::ConnectHandler(FoodLV, &controls::ReportList::itemClick, this, &frmAdminArea::removeBalloon);

    core::ConnectHandler(UseMySQL, &QCheckBox::stateChanged, this, &frmAdminArea::UseMySQL_Click);
    core::ConnectHandler(Command2, &QPushButton::clicked, this, &frmAdminArea::Command2_Click);
    core::ConnectHandler(Command3, &QPushButton::clicked, this, &frmAdminArea::Command3_Click);

    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmAdminArea::Command1_Click);
    core::ConnectHandler(UserList, &controls::ReportList::itemClick, this, &frmAdminArea::UserList_ItemClick);
    core::ConnectHandler(UserList, &controls::ReportList::mouseUp, this,
                         [this](int button, int, int, int) { UserList_MouseDown(button); });
    core::ConnectHandler(AGPopUp2, &controls::PopupMenu::click, this, &frmAdminArea::AGPopUp2_Click);

    core::ConnectHandler(Command9, &QPushButton::clicked, this, &frmAdminArea::Command9_Click);
    core::ConnectHandler(Command8, &QPushButton::clicked, this, &frmAdminArea::Command8_Click);
}

void frmAdminArea::watchClicksAndKeys()
{
    for (QWidget *watched : std::initializer_list<QWidget *>{txtRoomID, txtRoomDesc, Picture1, itmCat, itmName,
                                                             itmNote, itmPrice, txtUserName, txtPassWord})
        watched->installEventFilter(this);
}

bool frmAdminArea::eventFilter(QObject *watched, QEvent *event)
{
    core::RunGuarded([&] {
        if (event->type() == QEvent::MouseButtonPress) {
            removeBalloon();
            if (watched == txtRoomID)
                txtRoomID_Click();
            else if (watched == txtRoomDesc)
                txtRoomDesc_Click();
        } else if (event->type() == QEvent::KeyPress && watched == txtRoomID) {
            txtRoomID_KeyDown();
        } else if (event->type() == QEvent::FocusOut && watched == itmPrice) {
            itmPrice_LostFocus();
        }
    });
    return ui::Form::eventFilter(watched, event);
}

void frmAdminArea::txtRoomID_Click()
{
    if (txtRoomID->text() == QLatin1String("Room ID"))
        txtRoomID->clear();
}

void frmAdminArea::txtRoomDesc_Click()
{
    if (txtRoomDesc->text() == QLatin1String("Description"))
        txtRoomDesc->clear();
}

// Before the key takes effect: the character typed last stays until the next key.
void frmAdminArea::txtRoomID_KeyDown()
{
    FilterRoomNumberKeys(txtRoomID);
}

core::CBalloonToolTip &frmAdminArea::tip()
{
    if (!tip_)
        tip_ = std::make_unique<core::CBalloonToolTip>();
    return *tip_;
}

void frmAdminArea::showHint(QLineEdit *box, const QString &title, const QString &text)
{
    core::ShowBalloonHint(tip(), box, title, text);
}

void frmAdminArea::removeBalloon()
{
    if (tip_)
        tip_->Destroy();
}

core::CCrypto &frmAdminArea::crypto()
{
    if (!crypto_)
        crypto_ = std::make_unique<core::CCrypto>();
    return *crypto_;
}

// The editors open just under the clicked row, right of the point of the click, so that the
// row stays readable; in screen twips.
QPoint frmAdminArea::clickedPointTwips(const controls::ReportList *list) const
{
    const QPoint local(ui::TwipsToPixelsX(list->lastClickX()), ui::TwipsToPixelsY(list->lastClickY()));
    const QModelIndex row = list->indexAt(local);
    const int below = row.isValid() ? list->visualRect(row).bottom() + 1 : local.y();
    const QPoint screen = list->viewport()->mapToGlobal(QPoint(local.x() + 16, below));
    return {ui::PixelsToTwipsX(screen.x()), ui::PixelsToTwipsY(screen.y())};
}

} // namespace backoffice
