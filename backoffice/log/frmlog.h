#pragma once
// The "Brevant Logs" child window: the activity log, filtered by its key, with removal of one
// entry and clearing of the entries of the current filter.
#include "ui/form.h"

#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace controls {
class PopupMenu;
class ReportList;
}

namespace core {
class ScrollBar;
}

namespace backoffice {

class frmLog : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmLog");
    frmLog();
    ~frmLog() override;

    // The scrollable area.
    QFrame *PicOuter;
    QWidget *PicInner;
    core::ScrollBar *HBar;
    core::ScrollBar *VBar;

    QLabel *Label1;   // "Log View :"
    QComboBox *Combo1;
    controls::ReportList *logList;
    QPushButton *Command1;   // "Clear Log"
    controls::PopupMenu *AGPopUp1;

    // The key of the filter chosen last ("All Logs" for every entry).
    QString mLogKey;

    // Handlers, connected to the controls; public so that tests run them as the user would.
    void Combo1_Click();
    void Command1_Click();
    void logList_MouseUp(int button);
    void AGPopUp1_Click(const QString &itemName);

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    void FillLogList();
    void RemoveSelectedLog();
    void ClearLogs();
    // Both clears: asked first, then the entries of the current filter go.
    void clearFilter(const QString &code);
};

} // namespace backoffice
