#pragma once
// The "Report View" child window: one month of the daily statistics as a chart, one row per
// day, for the chosen figure (total, room booking or food and drink revenue; room bookings or
// food and drink orders), in one of twelve chart types, with titles, legend and value labels
// switched on and off, titles and colours changed on the chart itself, and the chart saved as
// a picture.
#include "controls/chart.h"
#include "ui/form.h"

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace backoffice {

class frmStats : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmStats");
    frmStats();
    ~frmStats() override;

    // Days of the month: the day number of (year, month + 1, day 0).
    static int LastDay(int testYear, int testMonth);
    // The red, green and blue parts of a colour value (red in the low byte).
    static int ColourRed(int colour);
    static int ColourGreen(int colour);
    static int ColourBlue(int colour);

    // Fills the chart for the chosen month, year and figure.
    void ChartRowDaysCount();

    QWidget *CoolBar1;
    QComboBox *StatView;
    QComboBox *ComboChartType;
    QComboBox *CMonth;
    QComboBox *CYear;
    QCheckBox *Check1;   // "Title"
    QCheckBox *Check2;   // "Legends"
    QCheckBox *Check3;   // "Y Axis Title"
    QCheckBox *Check4;   // "X Axis Title"
    QCheckBox *Check5;   // "Values"
    QPushButton *Command1;   // "&Save"
    controls::Chart *MSChart1;
    QLabel *picGraph;

    // The colour the colour dialog opens with, kept from its last use.
    QColor dlgOptionColor = Qt::white;

    // Handlers, connected to the controls; public so that tests run them as the user would.
    void CMonth_Click();
    void CYear_Click();
    void StatView_Click();
    void ComboChartType_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Command1_Click();
    void MSChart1_Activated(const controls::ChartHit &hit);
    void MSChart1_MouseMove(const controls::ChartHit &hit);

    // The month chosen (1 to 12) and whether the figure shown is money (1) or a count (2).
    int monthNumber() const { return month_; }
    int figureKind() const { return kind_; }

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    void createControls();
    void connectControls();
    // The figure's row of the figures table (StatView's index, the first when none is chosen).
    int figure() const;
    // An input box for a title; a non-empty answer is the new title.
    void askTitle(const QString &boxTitle, const QString &current, const std::function<void(const QString &)> &apply);
    // The colour dialog from the kept colour; nothing changes when it is cancelled.
    std::optional<QColor> askColour();

    int month_ = 0;
    int kind_ = 1;
};

} // namespace backoffice
