// The revenue report window: its controls, load and resize. Filling the chart and the
// chart's own events are in frmstats_chart.cpp.
#include "backoffice/stats/frmstats.h"

#include "core/state/connecthandler.h"
#include "core/ui/flowlayout.h"
#include "core/ui/windowkit.h"
#include "ui/twips.h"
#include "vb/datetime.h"
#include "vb/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace backoffice {

namespace {

// The window's designed size, twips.
constexpr int DesignWidth = 12000;
constexpr int DesignHeight = 8400;
// The chart leaves this much of the window's width free on its right.
constexpr int ChartRightGap = 200;
// The smallest window in which the band's choices, the chart's titles and its day labels all
// show whole (the band then takes three lines), twips.
constexpr int SmallestWidth = 6000;
constexpr int SmallestHeight = 6000;

const QStringList &monthNames()
{
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),     QStringLiteral("April"),
        QStringLiteral("May"),     QStringLiteral("June"),     QStringLiteral("July"),      QStringLiteral("August"),
        QStringLiteral("September"), QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

} // namespace

frmStats::frmStats() : ui::Form(Name, ui::FormKind::MdiChild)
{
    SetCaption(QStringLiteral("Report View"));
    createControls();
    connectControls();
}

frmStats::~frmStats() = default;

void frmStats::createControls()
{
    // The band's choices in groups that wrap onto a further line when the window is narrow.
    CoolBar1 = core::Named(new QWidget(this), QStringLiteral("CoolBar1"));
    CoolBar1->setAutoFillBackground(true);
    auto *band = new core::FlowLayout(CoolBar1);
    band->setContentsMargins(6, 4, 6, 4);
    const auto group = [&](std::initializer_list<QWidget *> choices) {
        auto *box = new QWidget(CoolBar1);
        auto *column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(3);
        for (QWidget *choice : choices) {
            choice->setParent(box);
            column->addWidget(choice, 0, Qt::AlignVCenter);
        }
        band->addWidget(box);
    };

    StatView = core::ComboBox(QStringLiteral("StatView"), CoolBar1);
    ComboChartType = core::ComboBox(QStringLiteral("ComboChartType"), CoolBar1);
    CMonth = core::ComboBox(QStringLiteral("CMonth"), CoolBar1);
    CYear = core::ComboBox(QStringLiteral("CYear"), CoolBar1);
    Check1 = core::CheckBox(QStringLiteral("Title"), QStringLiteral("Check1"), CoolBar1);
    Check2 = core::CheckBox(QStringLiteral("Legends"), QStringLiteral("Check2"), CoolBar1);
    Check3 = core::CheckBox(QStringLiteral("Y Axis Title"), QStringLiteral("Check3"), CoolBar1);
    Check4 = core::CheckBox(QStringLiteral("X Axis Title"), QStringLiteral("Check4"), CoolBar1);
    Check5 = core::CheckBox(QStringLiteral("Values"), QStringLiteral("Check5"), CoolBar1);
    Command1 = core::Button(QStringLiteral("&Save"), QStringLiteral("Command1"), CoolBar1);
    group({StatView, ComboChartType});
    group({CMonth, CYear});
    group({Check1, Check2});
    group({Check3, Check4});
    group({Check5});
    group({Command1});

    MSChart1 = core::Named(new controls::Chart(this), QStringLiteral("MSChart1"));
    MSChart1->setTitle(QStringLiteral("Revenue"));
    MSChart1->setAxisTitle(controls::ChartAxis::X, QStringLiteral("Dates"));
    MSChart1->setAxisTitle(controls::ChartAxis::Y, QStringLiteral("Currency"));

    picGraph = core::Named(new QLabel(this), QStringLiteral("picGraph"));
    picGraph->hide();

    setMinimumSize(ui::TwipsToPixelsX(SmallestWidth), ui::TwipsToPixelsY(SmallestHeight));
    resize(ui::TwipsToPixelsX(DesignWidth), ui::TwipsToPixelsY(DesignHeight));
}

void frmStats::connectControls()
{
    core::ConnectHandler(CMonth, &QComboBox::currentIndexChanged, this, &frmStats::CMonth_Click);
    core::ConnectHandler(CYear, &QComboBox::currentIndexChanged, this, &frmStats::CYear_Click);
    core::ConnectHandler(StatView, &QComboBox::currentIndexChanged, this, &frmStats::StatView_Click);
    core::ConnectHandler(ComboChartType, &QComboBox::currentIndexChanged, this, &frmStats::ComboChartType_Click);
    core::ConnectHandler(Check1, &QCheckBox::toggled, this, &frmStats::Check1_Click);
    core::ConnectHandler(Check2, &QCheckBox::toggled, this, &frmStats::Check2_Click);
    core::ConnectHandler(Check3, &QCheckBox::toggled, this, &frmStats::Check3_Click);
    core::ConnectHandler(Check4, &QCheckBox::toggled, this, &frmStats::Check4_Click);
    core::ConnectHandler(Check5, &QCheckBox::toggled, this, &frmStats::Check5_Click);
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmStats::Command1_Click);
    core::ConnectHandler(MSChart1, &controls::Chart::partActivated, this, &frmStats::MSChart1_Activated);
    core::ConnectHandler(MSChart1, &controls::Chart::partHovered, this, &frmStats::MSChart1_MouseMove);
}

void frmStats::Form_Load()
{
    // This month of this year, the total revenue, as bars.
    CMonth->addItems(monthNames());
    CMonth->setCurrentIndex(monthNames().indexOf(vb::Format(vb::Variant(vb::Today()), QStringLiteral("mmmm"))));

    const int year = vb::Today().toQDate().year();
    for (int y = year - 4; y <= year + 5; ++y)
        CYear->addItem(QString::number(y));
    CYear->setCurrentIndex(4);

    StatView->addItems({QStringLiteral("Total Revenue"), QStringLiteral("Room Booking Revenue"),
                        QStringLiteral("Food & Drink Revenue"), QStringLiteral("Room Bookings"),
                        QStringLiteral("Food & Drink Orders")});
    StatView->setCurrentIndex(0);
    ComboChartType->addItems({QStringLiteral("2d Area"), QStringLiteral("2d Bar"), QStringLiteral("2d Combination"),
                              QStringLiteral("2d Line"), QStringLiteral("2d Pie"), QStringLiteral("2d Step"),
                              QStringLiteral("2d XY"), QStringLiteral("3d Area"), QStringLiteral("3d Bar"),
                              QStringLiteral("3d Combination"), QStringLiteral("3d Line"), QStringLiteral("3d Step")});
    ComboChartType->setCurrentIndex(1);

    ChartRowDaysCount();
}

// The chart fills the window under the band, less a margin on its right; on a window too
// small for that it shrinks to nothing instead of asking for a negative size.
void frmStats::Form_Resize()
{
    const int band = CoolBar1->layout()->heightForWidth(width());
    CoolBar1->setGeometry(0, 0, width(), band);
    const int gap = ui::TwipsToPixelsX(ChartRightGap);
    MSChart1->setGeometry(0, band, std::max(0, width() - gap), std::max(0, height() - band));
}

int frmStats::LastDay(int testYear, int testMonth) { return vb::Date::serial(testYear, testMonth + 1, 0).toQDate().day(); }

int frmStats::ColourRed(int colour) { return colour & 255; }
int frmStats::ColourGreen(int colour) { return (colour / 256) & 255; }
int frmStats::ColourBlue(int colour) { return (colour / 65536) & 255; }

} // namespace backoffice
