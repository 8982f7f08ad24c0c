#pragma once
// The " Tax Editor", a window of its own kept above the others: the room taxes and the food
// and beverages taxes, each on a tab with its list, added with a name and a percent, removed
// from the list's popup menu.
#include "core/ui/cballoontooltip.h"
#include "ui/form.h"

#include <QString>
#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace controls {
class PopupMenu;
class ReportList;
}

namespace backoffice {

class frmTax : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmTax");
    frmTax();
    ~frmTax() override;

    // Refill the room taxes (category 1) and the food and beverages taxes (category 2).
    void getRoomList();
    void gettaxList2();

    // 1 after a click in ListView1, 2 after one in ListView2, 0 before any.
    int16_t ListViewClcked = 0;

    QTabWidget *SSTab1;
    QLineEdit *txtTaxName;
    QLineEdit *txtTaxPercent;
    QLabel *Label1;   // "%"
    QPushButton *Command2;   // "&Add Tax" (room taxes)
    controls::ReportList *ListView1;
    QLineEdit *Text1;   // food tax name
    QLineEdit *Text2;   // food tax percent
    QLabel *Label2;   // "%"
    QPushButton *Command3;   // "&Add Tax" (food and beverages taxes)
    controls::ReportList *ListView2;
    controls::PopupMenu *AGPopUp1;
    QPushButton *Command1;   // "&OK"

    // Handlers, connected to the controls; public so that tests run them as the user would.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void ListView1_Click();
    void ListView2_Click();
    void ListView_MouseUp(controls::ReportList *list, int button);
    void AGPopUp1_Click(const QString &itemName);

protected:
    void Form_Load() override;
    void Form_Unload(int &cancel) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QWidget *createTab(QLineEdit *&name, QLineEdit *&percent, QLabel *&sign, QPushButton *&add,
                       controls::ReportList *&list, const char *nameBox, const char *percentBox, const char *signLabel,
                       const char *addButton, const char *listName);
    void connectControls();
    void fillList(controls::ReportList *list, int category);
    // The checks and the INSERT of one tab; false when a check failed.
    void addTax(QLineEdit *name, QLineEdit *percent, const QString &percentHint, int category);
    void removeTax(controls::ReportList *list);
    void removeBalloon();

    core::CBalloonToolTip &tip();
    std::unique_ptr<core::CBalloonToolTip> tip_;
    // The list the popup menu was opened from: its choice acts on that list's row.
    controls::ReportList *popupList_ = nullptr;
};

} // namespace backoffice
