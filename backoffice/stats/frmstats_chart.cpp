// The revenue report's chart: the month's fill, the decorations, the chart's own events
// (titles and colours changed on the chart, tool tips) and saving the chart as a picture.
#include "backoffice/stats/frmstats.h"

#include "ado/recordset.h"
#include "backoffice/stats/statsstatements.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "ui/dialogs.h"
#include "ui/hourglass.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <array>

namespace backoffice {

namespace {

struct Figure {
    const char *column;
    const char *legend;
    const char *axisTitle;
    bool money;
};

// By StatView's index.
const std::array<Figure, 5> Figures{{
    {"tRevenue", "Revenue", "Currency", true},
    {"tBookingRevenue", "Revenue", "Currency", true},
    {"tFoodDrinkRevenue", "Revenue", "Currency", true},
    {"tBookings", "Rooms Count", "Bookings", false},
    {"tFoodOrders", "Orders Count", "Food & Drink Orders", false},
}};

// By ComboChartType's index.
constexpr std::array<int, 12> ChartTypes{
    controls::Chart2dArea, controls::Chart2dBar,  controls::Chart2dCombination, controls::Chart2dLine,
    controls::Chart2dPie,  controls::Chart2dStep, controls::Chart2dXY,          controls::Chart3dArea,
    controls::Chart3dBar,  controls::Chart3dCombination, controls::Chart3dLine,  controls::Chart3dStep};

const QString SaveFilter = QStringLiteral("JPG - Joint Photographic Experts Group|*.jpg|"
                                          "BMP - Windows Bitmap|*.bmp|"
                                          "GIF - Graphics Interchange Format|*.gif|"
                                          "DIB - Device Independent Bitmap|*.dib|"
                                          "WMF - Windows MetaFile|*.wmf|"
                                          "EMF - Enhanced MetaFile|*.emf|");

// The day's figure: a day without a row of its own had nothing, so it shows 0.
double dayFigure(const ado::Recordset &rs, const QString &column)
{
    if (rs.IsEOF())
        return 0.0;
    const vb::Variant value = rs.Fields(column).Value();
    return value.isNull() ? 0.0 : vb::CDbl(value);
}

QString moneyLabel(double value) { return vb::Format(vb::Variant(vb::CCur(vb::Variant(value))), QStringLiteral("Currency")); }
QString countLabel(double value) { return QString::number(value, 'f', 0); }

} // namespace

int frmStats::figure() const { return std::clamp(StatView->currentIndex(), 0, static_cast<int>(Figures.size()) - 1); }

void frmStats::CMonth_Click()
{
    core::ResumeNext([this] {
        month_ = CMonth->currentIndex() + 1;
        ChartRowDaysCount();
    });
}

void frmStats::CYear_Click() { core::ResumeNext([this] { ChartRowDaysCount(); }); }

void frmStats::StatView_Click() { core::ResumeNext([this] { ChartRowDaysCount(); }); }

void frmStats::ComboChartType_Click()
{
    const int index = ComboChartType->currentIndex();
    if (index >= 0 && index < static_cast<int>(ChartTypes.size()))
        MSChart1->setChartType(ChartTypes[index]);
}

void frmStats::ChartRowDaysCount()
{
    if (CMonth->currentIndex() < 0 || CYear->currentIndex() < 0)
        return;
    const int year = CYear->currentText().toInt();
    const int days = LastDay(year, CMonth->currentIndex() + 1);
    const Figure &shown = Figures[figure()];
    kind_ = shown.money ? 1 : 2;
    MSChart1->setWholeNumberValues(!shown.money);
    MSChart1->setRowCount(days);
    for (int day = 1; day <= days; ++day) {
        const auto figures = core::OpenRecordset(DayFiguresSql(month_, day, year));
        MSChart1->setData(day, dayFigure(core::Rows(figures), QLatin1String(shown.column)));
        MSChart1->setRowLabel(day, QString::number(day));
    }
    Check5_Click();
    Check1_Click();
    Check3_Click();
    Check4_Click();
    Check2_Click();
}

void frmStats::Check1_Click()
{
    MSChart1->setTitle(Check1->isChecked() ? StatView->currentText() + QStringLiteral(" for ") + CMonth->currentText()
                                                 + QStringLiteral(" ") + CYear->currentText()
                                           : QString());
}

void frmStats::Check2_Click()
{
    if (Check2->isChecked())
        MSChart1->setSeriesLabel(QLatin1String(Figures[figure()].legend));
    MSChart1->setLegendVisible(Check2->isChecked());
}

void frmStats::Check3_Click()
{
    MSChart1->setAxisTitle(controls::ChartAxis::Y, Check3->isChecked() ? QLatin1String(Figures[figure()].axisTitle) : QString());
}

void frmStats::Check4_Click()
{
    MSChart1->setAxisTitle(controls::ChartAxis::X, Check4->isChecked() ? QStringLiteral("Dates of Month ") + CMonth->currentText()
                                                                            + QStringLiteral(" ") + CYear->currentText()
                                                                      : QString());
}

void frmStats::Check5_Click()
{
    if (Check5->isChecked())
        MSChart1->setValueLabelFormatter(kind_ == 1 ? moneyLabel : countLabel);
    MSChart1->setValueLabelsVisible(Check5->isChecked());
}

// ---- the chart's own events ----

void frmStats::askTitle(const QString &boxTitle, const QString &current, const std::function<void(const QString &)> &apply)
{
    const std::optional<QString> answer = ui::InputBox(QStringLiteral("Change text to any"), boxTitle, current);
    if (answer && !answer->isEmpty())
        apply(*answer);
}

std::optional<QColor> frmStats::askColour()
{
    const std::optional<QColor> chosen = ui::ChooseColor(dlgOptionColor);
    if (!chosen)
        return std::nullopt;
    dlgOptionColor = *chosen;
    // The colour value as the dialog hands it over, red in the low byte, taken apart.
    const int value = chosen->red() | (chosen->green() << 8) | (chosen->blue() << 16);
    return QColor(ColourRed(value), ColourGreen(value), ColourBlue(value));
}

void frmStats::MSChart1_Activated(const controls::ChartHit &hit)
{
    using controls::ChartPart;
    switch (hit.part) {
    case ChartPart::AxisTitle: {
        const controls::ChartAxis axis = hit.axis;
        askTitle(axis == controls::ChartAxis::X ? QStringLiteral("X-Axis") : QStringLiteral("Y-Axis"),
                 MSChart1->axisTitle(axis), [this, axis](const QString &text) { MSChart1->setAxisTitle(axis, text); });
        break;
    }
    case ChartPart::Title:
        askTitle(QStringLiteral("Title Text"), MSChart1->title(), [this](const QString &text) { MSChart1->setTitle(text); });
        break;
    case ChartPart::Plot:
        core::ResumeNext([this] {
            if (const auto colour = askColour())
                MSChart1->setPlotColor(*colour);
        });
        break;
    case ChartPart::Point:
    case ChartPart::PointLabel:
    case ChartPart::Series:
        core::ResumeNext([this] {
            if (const auto colour = askColour())
                MSChart1->setSeriesColor(*colour);
        });
        break;
    default:
        break;
    }
}

void frmStats::MSChart1_MouseMove(const controls::ChartHit &hit)
{
    using controls::ChartPart;
    QString tip;
    switch (hit.part) {
    case ChartPart::ChartArea:
        tip = QStringLiteral("Chart Area");
        break;
    case ChartPart::Title:
        tip = QStringLiteral("Chart Title");
        break;
    case ChartPart::Footnote:
        tip = QStringLiteral("Footnote");
        break;
    case ChartPart::Legend:
        tip = QStringLiteral("Legend");
        break;
    case ChartPart::Plot:
        tip = QStringLiteral("Plot Area");
        break;
    case ChartPart::Point:
    case ChartPart::PointLabel:
        tip = QStringLiteral("Value := ") + vb::Format(vb::Variant(MSChart1->data(hit.row)), QStringLiteral("Fixed"));
        break;
    case ChartPart::Axis:
        tip = QStringLiteral("Plot Axis");
        break;
    case ChartPart::AxisLabel:
        tip = QStringLiteral("Axis Label");
        break;
    case ChartPart::AxisTitle:
        tip = QStringLiteral("Axis Title");
        break;
    default:
        break;
    }
    MSChart1->setPartToolTip(tip);
}

// ---- saving ----

// The picture of the chart goes to the clipboard and into the chosen file as a bitmap,
// whatever the extension.
void frmStats::Command1_Click()
{
    ui::FileDialogOptions options;
    options.title = QStringLiteral("Save Chart As");
    options.filter = SaveFilter;
    options.overwritePrompt = true;
    options.owner = this;
    const ui::FileDialogResult chosen = ui::GetSaveFileName(options);
    if (!chosen || chosen.fileName.isEmpty())
        return;

    ui::Hourglass hourglass;
    const QImage picture = MSChart1->picture();
    picGraph->resize(MSChart1->size());
    picGraph->setPixmap(QPixmap::fromImage(picture));
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
    if (!picture.save(chosen.fileName, "BMP"))
        ui::MsgBox(QStringLiteral("Cannot save the chart to ") + chosen.fileName, ui::vbExclamation);
}

} // namespace backoffice
