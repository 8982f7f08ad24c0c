#include "core/windows/frmerrorreport.h"

#include <QApplication>

#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/errorreport.h"
#include "core/ui/windowkit.h"
#include "ui/forms.h"
#include "ui/topmost.h"
#include "vb/crlf.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

namespace core {

namespace {
QFont terminalFont()
{
    QFont font(QStringLiteral("Terminal"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Where there is no "Terminal", any font whose letters are all of one width serves.
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(QLatin1Char('i')) != metrics.horizontalAdvance(QLatin1Char('W')))
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}
} // namespace

frmErrorReport::frmErrorReport() : ui::Form(Name)
{
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetCaption(QStringLiteral(" Runtime Error"));
    resize(480, 360);

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    Picture1->setBackgroundRole(QPalette::Base);
    Image1 = new QLabel(Picture1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    Label1 = new QLabel(QStringLiteral("Error occurred"), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label1->setFont(heading);
    auto *top = new QHBoxLayout(Picture1);
    top->addWidget(Image1);
    top->addWidget(Label1, 1);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtError = new QPlainTextEdit(QStringLiteral("Error Lines go here...."), Frame1);
    txtError->setObjectName(QStringLiteral("txtError"));
    txtError->setFont(terminalFont());
    txtError->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The report is read, and copied from, never edited; Tab moves on to the button.
    txtError->setReadOnly(true);
    txtError->setTabChangesFocus(true);
    Label2 = new QLabel(
        QStringLiteral("Seeing this Error constantly? Please remmember the error code, and send it to us."),
        Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    auto *inner = new QVBoxLayout(Frame1);
    inner->addWidget(txtError, 1);
    inner->addWidget(Label2);

    Command1 = new QPushButton(QStringLiteral("&Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmErrorReport::Command1_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);

    // Read, then dismissed from the keyboard: Enter or Escape closes it.
    SetDefaultButton(*this, Command1);
    CloseOnEscape(*this);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(Picture1);
    outer->addWidget(Frame1, 1);
    outer->addLayout(buttons);
}

QString frmErrorReport::ReportText()
{
    return State().mLastError + vbCrLf + vbCrLf + QStringLiteral("-----SQL QUERY WAS----") + vbCrLf
           + State().mLastSQL;
}

void frmErrorReport::Form_Load()
{
    ui::SetTopMost(this, true);
    CentreOnScreen(*this);
    // The text box keeps lines apart with LF; the report's CR LF would show twice.
    txtError->setPlainText(vb::CrLfToLines(ReportText()));
}

void frmErrorReport::Command1_Click() { Unload(); }

bool frmErrorReport::event(QEvent *event)
{
    // A modal window that opened after the report (the database settings window whose load
    // reported the failure) would leave it unable to take input, under that window for good.
    if (event->type() == QEvent::WindowBlocked)
        QMetaObject::invokeMethod(this, &frmErrorReport::stayInUseBesideModalWindow, Qt::QueuedConnection);
    return ui::Form::event(event);
}

// The report becomes a window of the modal one: both take input, the report above it.
void frmErrorReport::stayInUseBesideModalWindow()
{
    QWindow *own = windowHandle();
    QWindow *modal = QGuiApplication::modalWindow();
    if (!own || !modal || modal == own || !isVisible())
        return;
    own->setTransientParent(modal);
    raise();
    activateWindow();
}

void InstallErrorReportWindow()
{
    SetErrorReportPresenter([](ReportMode mode) {
        // A report still open keeps its text and only comes to the front; a modal report
        // does not wait for it either, the window being already in the user's view.
        if (frmErrorReport *open = ui::Forms::Find<frmErrorReport>(); open && open->isVisible()) {
            open->raise();
            open->activateWindow();
            return;
        }
        frmErrorReport &report = ui::Forms::Get<frmErrorReport>();
        // Under a modal window (the database settings window) a report that does not wait
        // must still take input: it stacks above that window without blocking its caller.
        if (mode == ReportMode::Modeless && QApplication::activeModalWidget())
            report.setWindowModality(Qt::ApplicationModal);
        report.Show(mode == ReportMode::Modal ? ui::vbModal : ui::vbModeless);
    });
}

} // namespace core
