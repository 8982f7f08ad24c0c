#pragma once
// The runtime error report: the last error text and the last statement, above all other
// windows. Loaded afresh for each report; a report still open is only brought to the front.
#include "ui/form.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace core {

class frmErrorReport : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmErrorReport");

    frmErrorReport();

    // mLastError, an empty line, "-----SQL QUERY WAS----" and mLastSQL (CR LF line breaks).
    static QString ReportText();

    QLabel *Label1;   // "Error occurred"
    QLabel *Image1;
    QPlainTextEdit *txtError;
    QLabel *Label2;   // "Seeing this Error constantly? ..."
    QPushButton *Command1;   // "&Close"
    QGroupBox *Frame1;
    QFrame *Picture1;

protected:
    void Form_Load() override;
    bool event(QEvent *event) override;

private:
    void Command1_Click();
    void stayInUseBesideModalWindow();
};

// Makes frmErrorReport the window that ReportError and ShowErrorReport open.
void InstallErrorReportWindow();

} // namespace core
