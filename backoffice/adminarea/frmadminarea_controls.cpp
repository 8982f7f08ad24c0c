// The controls of the administration window: five tabs on the scrollable area.
#include "backoffice/adminarea/frmadminarea.h"

#include "controls/popupmenu.h"
#include "controls/reportlist.h"
#include "core/aids/fitscrollcontent.h"
#include "core/aids/scrollarea.h"
#include "core/aids/scrollbar.h"
#include "core/ui/columnfit.h"
#include "core/ui/passwordbox.h"
#include "core/ui/windowkit.h"
#include "schema/schema.h"
#include "ui/commondialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace backoffice {

namespace {

// Text boxes take room for a usual entry.
QLineEdit *textBox(const QString &name, QWidget *parent, const QString &text = QString())
{
    QLineEdit *box = core::TextBox(name, parent);
    box->setText(text);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 12);
    return box;
}

QLineEdit *passwordBox(const QString &name, QWidget *parent)
{
    QLineEdit *box = textBox(name, parent);
    core::MakePasswordBox(box);
    return box;
}

controls::ReportList *reportList(const QString &name, QWidget *parent)
{
    auto *list = core::Named(new controls::ReportList(parent), name);
    list->setMinimumHeight(list->fontMetrics().height() * 6);
    return list;
}

// The catalogue's small square buttons: a 16 by 16 picture of a plus or a minus sign.
QPushButton *pictureButton(const QString &name, QWidget *parent, bool plus, const QString &toolTip)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(plus ? QColor(40, 130, 40) : QColor(180, 40, 40));
    p.drawRect(3, 7, 10, 3);
    if (plus)
        p.drawRect(7, 3, 3, 10);
    p.end();
    QPushButton *button = core::Button(QString(), name, parent);
    button->setIcon(QIcon(pixmap));
    button->setToolTip(toolTip);
    button->setFixedSize(24, 24);
    return button;
}

// The picture of every room row.
QIcon roomIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 90), 1));
    p.setBrush(QColor(150, 110, 70));
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setBrush(QColor(230, 200, 80));
    p.drawEllipse(QPointF(10, 8.5), 1, 1);
    return QIcon(pixmap);
}

template <class L> L *frameLayout(QWidget *frame)
{
    auto *layout = new L(frame);
    layout->setContentsMargins(6, 4, 6, 6);
    return layout;
}

void addLabelled(QGridLayout *grid, int row, const QString &label, QWidget *field, int column = 0)
{
    grid->addWidget(new QLabel(label, field->parentWidget()), row, column);
    grid->addWidget(field, row, column + 1);
}

} // namespace

void frmAdminArea::createControls()
{
    const core::ScrollArea area = core::BuildScrollArea(*this, 0, 0);
    PicOuter = area.PicOuter;
    PicInner = area.PicInner;
    HBar = area.HBar;
    VBar = area.VBar;

    SSTab1 = core::Named(new QTabWidget, QStringLiteral("SSTab1"));
    SSTab1->addTab(createRoomsTab(), QStringLiteral("Rooms"));
    SSTab1->addTab(createFoodTab(), QStringLiteral("Food && Beverage"));
    SSTab1->addTab(createDatabaseTab(), QStringLiteral("Database Settings"));
    SSTab1->addTab(createUsersTab(), QStringLiteral("User Accounts"));
    SSTab1->addTab(createOtherTab(), QStringLiteral("Other Settings"));

    auto *fill = new QVBoxLayout(PicInner);
    fill->setContentsMargins(4, 4, 4, 4);
    fill->addWidget(SSTab1);

    Timer1 = core::Named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    AGPopUp1 = core::Named(new controls::PopupMenu(listRoomView), QStringLiteral("AGPopUp1"));
    AGPopUp1->addItem(QStringLiteral("&Remove Room"), QStringLiteral("mnuRemoveRoom"));
    AGPopUp1->addItem(QStringLiteral("&Edit Selected"), QStringLiteral("mnuEditSelected"));
    AGPopUp1->addSeparator(QStringLiteral("mnuSeparator"));
    AGPopUp1->addItem(QStringLiteral("Export to Excel"), QStringLiteral("mnuExportToExcel"));
    AGPopUp2 = core::Named(new controls::PopupMenu(UserList), QStringLiteral("AGPopUp2"));
    AGPopUp2->addItem(QStringLiteral("&Edit User"), QStringLiteral("mnuEditUser"));
    AGPopUp2->addItem(QStringLiteral("&Remove User"), QStringLiteral("mnuRemoveUser"));
}

QWidget *frmAdminArea::createRoomsTab()
{
    Picture1 = core::Named(new QWidget, QStringLiteral("Picture1"));
    Frame1 = core::Frame(QStringLiteral("Add / Remove Rooms"), QStringLiteral("Frame1"), nullptr);
    txtRoomID = textBox(QStringLiteral("txtRoomID"), nullptr, QStringLiteral("Room ID"));
    txtRoomDesc = textBox(QStringLiteral("txtRoomDesc"), nullptr, QStringLiteral("Description"));
    txtRoomPrice = textBox(QStringLiteral("txtRoomPrice"), nullptr);
    core::FitToColumn(txtRoomID, QStringLiteral("tbl_Rooms"), QStringLiteral("RoomNameID"));
    comboRoomType = core::Named(new QComboBox, QStringLiteral("comboRoomType"));
    cmdAddRoom = core::Button(QStringLiteral("&Add Room"), QStringLiteral("cmdAddRoom"), nullptr);
    cmdRemoveRoom = core::Button(QStringLiteral("&Remove Room"), QStringLiteral("cmdRemoveRoom"), nullptr);
    listRoomView = reportList(QStringLiteral("listRoomView"), nullptr);
    listRoomView->setSmallIcons({roomIcon()});
    ProgressBar1 = core::Named(new QProgressBar, QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMaximumHeight(ProgressBar1->fontMetrics().height());
    ProgressBar1->hide();

    auto *grid = frameLayout<QGridLayout>(Frame1);
    grid->addWidget(txtRoomID, 0, 0);
    grid->addWidget(txtRoomDesc, 0, 1, 1, 3);
    grid->addWidget(cmdAddRoom, 0, 4);
    addLabelled(grid, 1, QStringLiteral("Tariff :"), txtRoomPrice);
    addLabelled(grid, 1, QStringLiteral("Room Type :"), comboRoomType, 2);
    grid->addWidget(cmdRemoveRoom, 1, 4);
    grid->addWidget(listRoomView, 2, 0, 1, 5);
    grid->addWidget(ProgressBar1, 3, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);

    auto *fill = frameLayout<QVBoxLayout>(Picture1);
    fill->addWidget(Frame1);
    return Picture1;
}

QWidget *frmAdminArea::createFoodTab()
{
    auto *page = new QWidget;
    Frame5 = core::Frame(QStringLiteral("&Add / Remove Items"), QStringLiteral("Frame5"), nullptr);
    Frame6 = core::Frame(QStringLiteral("Category"), QStringLiteral("Frame6"), nullptr);
    Frame7 = core::Frame(QStringLiteral("Items"), QStringLiteral("Frame7"), nullptr);
    itmCat = textBox(QStringLiteral("itmCat"), nullptr, QStringLiteral("Desserts"));
    Command4 = pictureButton(QStringLiteral("Command4"), nullptr, true, QStringLiteral("Add Category"));
    Command6 = pictureButton(QStringLiteral("Command6"), nullptr, false, QStringLiteral("Remove Category"));
    ItemCatLV = reportList(QStringLiteral("ItemCatLV"), nullptr);
    itmName = textBox(QStringLiteral("itmName"), nullptr);
    itmPrice = textBox(QStringLiteral("itmPrice"), nullptr);
    itmNote = textBox(QStringLiteral("itmNote"), nullptr);
    core::FitToColumn(itmCat, QStringLiteral("tbl_foodCat"), QStringLiteral("catName"));
    // An item's name is copied into each order's item table too.
    core::FitToColumn(itmName, QStringLiteral("tbl_FoodItem"), QStringLiteral("ItemName"));
    core::FitToColumn(itmName, schema::FoodOrderTablePrefix, QStringLiteral("FoodItem"));
    Command5 = pictureButton(QStringLiteral("Command5"), nullptr, true, QStringLiteral("Add Item"));
    Command7 = pictureButton(QStringLiteral("Command7"), nullptr, false, QStringLiteral("Remove Item"));
    FoodLV = reportList(QStringLiteral("FoodLV"), nullptr);

    auto *categories = frameLayout<QGridLayout>(Frame6);
    categories->addWidget(new QLabel(QStringLiteral("Category Name :")), 0, 0, 1, 3);
    categories->addWidget(itmCat, 1, 0);
    categories->addWidget(Command4, 1, 1);
    categories->addWidget(Command6, 1, 2);
    categories->addWidget(ItemCatLV, 2, 0, 1, 3);
    categories->setRowStretch(2, 1);

    auto *items = frameLayout<QGridLayout>(Frame7);
    addLabelled(items, 0, QStringLiteral("Item Name :"), itmName);
    addLabelled(items, 0, QStringLiteral("Price :"), itmPrice, 2);
    addLabelled(items, 1, QStringLiteral("Note :"), itmNote);
    items->addLayout(core::ButtonRow({Command5, Command7}, core::RowAlign::Left), 1, 2, 1, 2);
    items->addWidget(FoodLV, 2, 0, 1, 4);
    items->setColumnStretch(1, 2);
    items->setColumnStretch(3, 1);
    items->setRowStretch(2, 1);

    auto *row = frameLayout<QHBoxLayout>(Frame5);
    row->addWidget(Frame6, 2);
    row->addWidget(Frame7, 5);
    auto *fill = frameLayout<QVBoxLayout>(page);
    fill->addWidget(Frame5);
    return page;
}

QWidget *frmAdminArea::createDatabaseTab()
{
    auto *page = new QWidget;
    Frame3 = core::Frame(QStringLiteral("Other Settings"), QStringLiteral("Frame3"), nullptr);
    txtDBpath = textBox(QStringLiteral("txtDBpath"), nullptr);
    Command2 = core::Button(QStringLiteral("Browse"), QStringLiteral("Command2"), nullptr);
    Dialog1 = std::make_unique<ui::CommonDialog>(this);
    txtDBpass = passwordBox(QStringLiteral("txtDBpass"), nullptr);
    Label12 = core::Named(new QLabel(QStringLiteral(
                        "By default, database is password protected. If you have changed the password of the "
                        "database using MS Access, Please provide it here. To use default password leave it blank.")),
                    QStringLiteral("Label12"));
    Label12->setWordWrap(true);
    UseMySQL = core::CheckBox(QStringLiteral("Use My SQL (This feature is disabled in this version.)"), QStringLiteral("UseMySQL"), nullptr);
    UseMySQL->setEnabled(false);
    UseMySQL->setStyleSheet(QStringLiteral("QCheckBox { color: red; }"));
    txtSQLHost = textBox(QStringLiteral("txtSQLHost"), nullptr);
    txtSQLDBName = textBox(QStringLiteral("txtSQLDBName"), nullptr);
    txtSQLUserName = textBox(QStringLiteral("txtSQLUserName"), nullptr);
    txtSQLPassWord = passwordBox(QStringLiteral("txtSQLPassWord"), nullptr);
    Command3 = core::Button(QStringLiteral("&Save DB Changes"), QStringLiteral("Command3"), nullptr);

    auto *grid = frameLayout<QGridLayout>(Frame3);
    addLabelled(grid, 0, QStringLiteral("Database Path"), txtDBpath);
    grid->addWidget(Command2, 0, 2);
    addLabelled(grid, 1, QStringLiteral("Password"), txtDBpass);
    grid->addWidget(Label12, 2, 0, 1, 3);
    grid->addWidget(UseMySQL, 3, 0, 1, 3);
    addLabelled(grid, 4, QStringLiteral("Host Name"), txtSQLHost);
    addLabelled(grid, 5, QStringLiteral("DB Name"), txtSQLDBName);
    addLabelled(grid, 6, QStringLiteral("User Name"), txtSQLUserName);
    addLabelled(grid, 7, QStringLiteral("Password"), txtSQLPassWord);
    grid->addWidget(Command3, 8, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(9, 1);

    auto *fill = frameLayout<QVBoxLayout>(page);
    fill->addWidget(Frame3);
    return page;
}

QWidget *frmAdminArea::createUsersTab()
{
    auto *page = new QWidget;
    Frame4 = core::Frame(QStringLiteral("Add Account"), QStringLiteral("Frame4"), nullptr);
    Frame2 = core::Frame(QStringLiteral("Users Settings"), QStringLiteral("Frame2"), nullptr);
    txtUserName = textBox(QStringLiteral("txtUserName"), nullptr);
    core::FitToColumn(txtUserName, QStringLiteral("tbl_users"), QStringLiteral("cusername"));
    txtPassWord = passwordBox(QStringLiteral("txtPassWord"), nullptr);
    CheckModifySettings =
        core::CheckBox(QStringLiteral("Access to Admin Area. Can Modify Settings"), QStringLiteral("CheckModifySettings"), nullptr);
    CheckCanViewRoomList = core::CheckBox(QStringLiteral("Can View Room List"), QStringLiteral("CheckCanViewRoomList"), nullptr);
    CheckCanAddModifyTax = core::CheckBox(QStringLiteral("Can Add/Modify Tax"), QStringLiteral("CheckCanAddModifyTax"), nullptr);
    CheckCanViewEditCustomreList =
        core::CheckBox(QStringLiteral("Can View/Edit Customer List"), QStringLiteral("CheckCanViewEditCustomreList"), nullptr);
    canViewReport = core::CheckBox(QStringLiteral("Can View Reports"), QStringLiteral("canViewReport"), nullptr);
    Command1 = core::Button(QStringLiteral("&Add &User Account"), QStringLiteral("Command1"), nullptr);
    UserList = reportList(QStringLiteral("UserList"), nullptr);

    auto *grid = frameLayout<QGridLayout>(Frame4);
    addLabelled(grid, 0, QStringLiteral("User Name :"), txtUserName);
    addLabelled(grid, 0, QStringLiteral("Password :"), txtPassWord, 2);
    grid->addWidget(CheckModifySettings, 1, 0, 1, 2);
    grid->addWidget(CheckCanViewRoomList, 1, 2, 1, 2);
    grid->addWidget(CheckCanAddModifyTax, 2, 0, 1, 2);
    grid->addWidget(CheckCanViewEditCustomreList, 2, 2, 1, 2);
    grid->addWidget(canViewReport, 3, 0, 1, 2);
    grid->addWidget(Command1, 3, 3, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *list = frameLayout<QVBoxLayout>(Frame2);
    list->addWidget(UserList);

    auto *fill = frameLayout<QVBoxLayout>(page);
    fill->addWidget(Frame4);
    fill->addWidget(Frame2, 1);
    return page;
}

QWidget *frmAdminArea::createOtherTab()
{
    auto *page = new QWidget;
    Frame8 = core::Frame(QStringLiteral("Hotel Information"), QStringLiteral("Frame8"), nullptr);
    Frame9 = core::Frame(QString(), QStringLiteral("Frame9"), nullptr);
    txtHotelName = textBox(QStringLiteral("txtHotelName"), nullptr);
    txtHotelPhone = textBox(QStringLiteral("txtHotelPhone"), nullptr);
    txtHotelFax = textBox(QStringLiteral("txtHotelFax"), nullptr);
    txtHotelAddress = textBox(QStringLiteral("txtHotelAddress"), nullptr);
    core::FitToColumn(txtHotelName, QStringLiteral("tbl_HotelInfo"), QStringLiteral("HotelName"));
    core::FitToColumn(txtHotelPhone, QStringLiteral("tbl_HotelInfo"), QStringLiteral("HotelPhoneNo"));
    core::FitToColumn(txtHotelFax, QStringLiteral("tbl_HotelInfo"), QStringLiteral("HotelFaxNo"));
    AddOrderSign = core::CheckBox(QStringLiteral("Add '#' character before Order Numbers and IDs?"), QStringLiteral("AddOrderSign"), nullptr);
    Command9 = core::Button(QStringLiteral("&Save"), QStringLiteral("Command9"), nullptr);
    Command8 = core::Button(QStringLiteral("&Clear Customer History"), QStringLiteral("Command8"), nullptr);

    auto *grid = frameLayout<QGridLayout>(Frame8);
    addLabelled(grid, 0, QStringLiteral("Hotel Name :"), txtHotelName);
    addLabelled(grid, 1, QStringLiteral("Phone :"), txtHotelPhone);
    addLabelled(grid, 2, QStringLiteral("Fax :"), txtHotelFax);
    addLabelled(grid, 3, QStringLiteral("Address :"), txtHotelAddress);
    grid->addWidget(AddOrderSign, 4, 0, 1, 2);
    grid->addWidget(Command9, 5, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    auto *clear = frameLayout<QHBoxLayout>(Frame9);
    clear->addWidget(Command8);
    clear->addStretch(1);

    auto *fill = frameLayout<QVBoxLayout>(page);
    fill->addWidget(Frame9);
    fill->addWidget(Frame8);
    fill->addStretch(1);
    return page;
}

void frmAdminArea::fitContent() { core::FitScrollContent(*this, PicOuter, PicInner, HBar, VBar); }

} // namespace backoffice
