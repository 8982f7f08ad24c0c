#include "backoffice/log/frmlog.h"

#include "ado/recordset.h"
#include "backoffice/log/logstatements.h"
#include "controls/popupmenu.h"
#include "controls/reportlist.h"
#include "core/aids/fitscrollcontent.h"
#include "core/aids/scrollarea.h"
#include "core/aids/scrollbar.h"
#include "core/aids/scrollresize.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "core/ui/resultrows.h"
#include "core/ui/showntext.h"
#include "core/ui/windowkit.h"
#include "ui/dialogs.h"
#include "ui/twips.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHash>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace backoffice {

namespace {

const QStringList &filterCaptions()
{
    static const QStringList captions{AllLogs, QStringLiteral("Bookings"), QStringLiteral("Room Added Removed"),
                                      QStringLiteral("Database Changes"), QStringLiteral("User Log In/Out")};
    return captions;
}

using core::TextOf;

// The entries' day and time forms. A log holds many entries of one day and of one minute,
// so each form is worked out once per day and once per minute of the day during a fill.
class LogTimeTexts {
public:
    QString date(const vb::Variant &value) { return cached(value, dates_, QStringLiteral("dd-mmmm-yyyy"), false); }
    QString time(const vb::Variant &value) { return cached(value, times_, QStringLiteral("HH:MMAMPM"), true); }

private:
    static QString cached(const vb::Variant &value, QHash<qint64, QString> &texts, const QString &format, bool byMinute)
    {
        if (value.type() != vb::VarType::Date)
            return vb::Format(value, format);
        const vb::Date when = value.asDate();
        const qint64 key = byMinute ? when.toQTime().msecsSinceStartOfDay() / 60000 : when.toQDate().toJulianDay();
        auto found = texts.constFind(key);
        if (found == texts.constEnd())
            found = texts.insert(key, vb::Format(value, format));
        return *found;
    }

    QHash<qint64, QString> dates_;
    QHash<qint64, QString> times_;
};

constexpr int AskStyle = ui::vbYesNo | ui::vbInformation | ui::vbDefaultButton2;

} // namespace

frmLog::frmLog() : ui::Form(Name, ui::FormKind::MdiChild)
{
    SetCaption(QStringLiteral("Brevant Logs"));
    const core::ScrollArea area = core::BuildScrollArea(*this, 0, 0);
    PicOuter = area.PicOuter;
    PicInner = area.PicInner;
    HBar = area.HBar;
    VBar = area.VBar;

    auto *grid = new QGridLayout(PicInner);
    Label1 = core::Label(QStringLiteral("Log View :"), QStringLiteral("Label1"), PicInner);
    Combo1 = core::ComboBox(QStringLiteral("Combo1"), PicInner);
    Command1 = core::Button(QStringLiteral("Clear Log"), QStringLiteral("Command1"), PicInner);
    logList = core::Named(new controls::ReportList(PicInner), QStringLiteral("logList"));
    logList->setFont(QFont(QStringLiteral("Arial"), 9));
    logList->setMinimumSize(ui::TwipsToPixelsX(6000), ui::TwipsToPixelsY(3000));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(Command1, 0, 3);
    grid->addWidget(logList, 1, 0, 1, 4);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);

    AGPopUp1 = new controls::PopupMenu(logList);
    AGPopUp1->setObjectName(QStringLiteral("AGPopUp1"));
    AGPopUp1->addItem(QStringLiteral("&Remove Selected Log"), QStringLiteral("mnuRemoveLog"));
    AGPopUp1->addItem(QStringLiteral("&Clear Log"), QStringLiteral("mnuClearLog"));

    core::ConnectHandler(Combo1, &QComboBox::activated, this, &frmLog::Combo1_Click);
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmLog::Command1_Click);
    core::ConnectHandler(logList, &controls::ReportList::mouseUp, this,
                         [this](int button, int, int, int) { logList_MouseUp(button); });
    core::ConnectHandler(AGPopUp1, &controls::PopupMenu::click, this, &frmLog::AGPopUp1_Click);
    resize(ui::TwipsToPixelsX(9600), ui::TwipsToPixelsY(6600));
}

frmLog::~frmLog() = default;

void frmLog::Form_Load()
{
    core::RunHandler(QStringLiteral("FRL006"), core::ReportMode::Modal, [this] {
        logList->addColumnHeader(QStringLiteral("Log"), 4000);
        logList->addColumnHeader(QStringLiteral("User"), ui::TextWidthTwips(this, QStringLiteral("Abbrdrev36535653")));
        logList->addColumnHeader(QStringLiteral("Date"), ui::TextWidthTwips(this, QStringLiteral("Abbrdrev36535653")));
        logList->addColumnHeader(QStringLiteral("Time"), ui::TextWidthTwips(this, QStringLiteral("Abbrdrev3653565311")));
        logList->addColumnHeader(QString(), ui::TextWidthTwips(this, QString()));
        logList->setFullRowSelect(true);
        Combo1->addItems(filterCaptions());
        Combo1->setCurrentIndex(0);
        // Choosing "All Logs" fills the list; a second fill of the same entries would show
        // nothing new.
        Combo1_Click();
    });
}

void frmLog::Form_Resize()
{
    core::FitScrollContent(*this, PicOuter, PicInner, HBar, VBar);
    core::ScrollResize(*this);
}

void frmLog::Combo1_Click()
{
    core::RunHandler(QStringLiteral("FRL004"), core::ReportMode::Modal, [this] {
        mLogKey = LogKeyOfFilter(Combo1->currentText());
        FillLogList();
    });
}

// The list shows the query's rows as they are: an entry's texts are made when it is shown,
// read or exported.
void frmLog::FillLogList()
{
    core::RunHandler(QStringLiteral("FRL007"), core::ReportMode::Modal, [this] {
        logList->clear();
        const QString key = Combo1->currentText().isEmpty() ? AllLogs : mLogKey;
        const auto rs = core::OpenRecordset(LogListSql(key));
        if (!rs)
            return;
        const auto forms = std::make_shared<LogTimeTexts>();
        const QString when = QStringLiteral("LogDateLine");
        const std::vector<core::ResultRows::Column> columns{
            {QStringLiteral("LogText"), TextOf},
            {QStringLiteral("LoggedUser"), TextOf},
            {when, [forms](const vb::Variant &value) { return forms->date(value); }},
            {when, [forms](const vb::Variant &value) { return forms->time(value); }},
            {QStringLiteral("ID"), TextOf},
        };
        logList->setRows(std::make_shared<core::ResultRows>(rs->Rows(), columns));
        // Nothing reads the shared recordset after the fill: the entries go when the list goes.
        core::CloseRecordset();
    });
}

void frmLog::logList_MouseUp(int button)
{
    if (button == 2)
        AGPopUp1->popUp();
}

void frmLog::AGPopUp1_Click(const QString &itemName)
{
    core::RunHandler(QStringLiteral("FRL001"), core::ReportMode::Modal, [&] {
        if (itemName == QLatin1String("mnuRemoveLog"))
            RemoveSelectedLog();
        else if (itemName == QLatin1String("mnuClearLog"))
            ClearLogs();
    });
}

// The selected entry goes from the table, and the list is filled again without it; with no
// entry selected nothing happens.
void frmLog::RemoveSelectedLog()
{
    core::RunHandler(QStringLiteral("FRL002"), core::ReportMode::Modal, [this] {
        const int row = logList->listIndex();
        if (row < 1)
            return;
        if (ui::MsgBox(QStringLiteral("Remove Selected Log?"), AskStyle, QStringLiteral("Remove Selected Log")) != ui::vbYes)
            return;
        if (core::ExecuteSQL(LogDeleteSql(vb::Val(logList->subItem(row, 4))), core::SqlAction::Delete))
            FillLogList();
    });
}

void frmLog::ClearLogs() { clearFilter(QStringLiteral("FRL003")); }

void frmLog::Command1_Click() { clearFilter(QStringLiteral("FRL005")); }

void frmLog::clearFilter(const QString &code)
{
    core::RunHandler(code, core::ReportMode::Modal, [this] {
        if (ui::MsgBox(QStringLiteral("Clear All Log?"), AskStyle, QStringLiteral("Clear Log")) != ui::vbYes)
            return;
        const QString key = Combo1->currentText().isEmpty() ? AllLogs : mLogKey;
        core::ExecuteSQL(LogClearSql(key), core::SqlAction::Delete);
        QCoreApplication::processEvents();
        FillLogList();
    });
}

} // namespace backoffice
