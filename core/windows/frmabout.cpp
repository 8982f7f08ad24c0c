#include "core/windows/frmabout.h"

#include "core/state/connecthandler.h"
#include "core/state/windowregistry.h"
#include "core/ui/windowkit.h"
#include "profile/ansi.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "ui/vbcolor.h"
#include "vb/app.h"

#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace core {

namespace {

constexpr reg::DWORD kKeyAccess = 0x2003F;   // query, set, create, enumerate, notify, link
constexpr reg::DWORD kValueBufferSize = 1024;
constexpr uint32_t kLinkColor = 0xFF0000;    // &H00BBGGRR: blue
constexpr uint32_t kPlainColor = 0;

const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

} // namespace

QPixmap ProductLogo()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x8c));
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    p.setBrush(Qt::white);
    QPainterPath roof;
    roof.moveTo(12, 26);
    roof.lineTo(32, 10);
    roof.lineTo(52, 26);
    roof.closeSubpath();
    p.drawPath(roof);
    p.drawRect(QRectF(16, 26, 32, 28));
    p.setBrush(QColor(0x1f, 0x4e, 0x8c));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(20 + col * 9, 30 + row * 8, 6, 5));
    p.drawRect(QRectF(28, 46, 8, 8));
    return pixmap;
}

namespace {

// The program's version, set by the build from the project's version.
#ifndef BREVANT_VERSION_MAJOR
#define BREVANT_VERSION_MAJOR 1
#endif
#ifndef BREVANT_VERSION_MINOR
#define BREVANT_VERSION_MINOR 0
#endif
#ifndef BREVANT_VERSION_REVISION
#define BREVANT_VERSION_REVISION 0
#endif

} // namespace

frmAbout::frmAbout() : ui::Form(Name)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SetCaption(QStringLiteral("About MyApp"));
    setMouseTracking(true);

    Picture1 = Label(QString(), QStringLiteral("Picture1"), this);
    Picture1->setPixmap(ProductLogo());
    Picture1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Label1 = Label(ui::ApplicationTitle(), QStringLiteral("Label1"), this);
    QFont title = Label1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    Label1->setFont(title);
    Label2 = Label(QStringLiteral("For managing all types of hotels."), QStringLiteral("Label2"), this);
    Label6 = Label(QString(), QStringLiteral("Label6"), this);
    Label5 = Label(MakerWebAddress, QStringLiteral("Label5"), this);
    Label5->setMouseTracking(true);
    Label5->installEventFilter(this);
    lblDisclaimer = Label(
        QStringLiteral("Warning: this program is protected by copyright law and international treaties. "
                       "Unauthorised reproduction or distribution of this program, or of any part of it, "
                       "may result in severe civil and criminal penalties, and will be prosecuted to the "
                       "maximum extent possible under the law."),
        QStringLiteral("lblDisclaimer"), this);
    lblDisclaimer->setWordWrap(true);
    cmdOK = Button(QStringLiteral("OK"), QStringLiteral("cmdOK"), this);
    cmdOK->setDefault(true);
    cmdSysInfo = Button(QStringLiteral("&System Info..."), QStringLiteral("cmdSysInfo"), this);
    buildLayout();
    showLinkHovered(false);
    CloseOnEscape(*this);

    core::ConnectHandler(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    core::ConnectHandler(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::buildLayout()
{
    auto *texts = new QVBoxLayout;
    texts->addWidget(Label1);
    texts->addWidget(Label2);
    texts->addSpacing(6);
    texts->addWidget(Label6);
    texts->addWidget(Label5);
    texts->addStretch(1);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Picture1);
    top->addLayout(texts, 1);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(16);
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 16);
    outer->addLayout(top);
    outer->addWidget(line);
    outer->addLayout(bottom);
    setFixedWidth(520);
    setFixedHeight(sizeHint().height());
}

QString frmAbout::VersionText()
{
    return QStringLiteral("%1.%2.%3").arg(BREVANT_VERSION_MAJOR).arg(BREVANT_VERSION_MINOR).arg(BREVANT_VERSION_REVISION);
}

void frmAbout::Form_Load() { Label6->setText(VersionText()); }

void frmAbout::cmdOK_Click() { Unload(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    QString tool;
    if (GetKeyValue(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), tool)) {
        if (ui::StartProgram({vb::NativePath(tool)}))
            return;
    } else if (GetKeyValue(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                           QStringLiteral("MSINFO"), tool)) {
        const QString file = vb::NativePath(tool + QStringLiteral("\\MSINFO32.EXE"));
        if (QFileInfo(file).isFile() && ui::StartProgram({file}))
            return;
    }
    ui::MsgBox(kUnavailable, ui::vbOKOnly);
}

bool frmAbout::GetKeyValue(const reg::HKEY &KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    KeyVal.clear();
    reg::HKEY key;
    if (reg::RegOpenKeyEx(KeyRoot, KeyName, 0, kKeyAccess, &key) != reg::ERROR_SUCCESS)
        return false;
    QByteArray buffer(kValueBufferSize, '\0');
    reg::DWORD size = kValueBufferSize;
    reg::DWORD type = reg::REG_NONE;
    const reg::LONG rc =
        reg::RegQueryValueEx(key, SubKeyRef, &type, reinterpret_cast<uint8_t *>(buffer.data()), &size);
    if (rc != reg::ERROR_SUCCESS) {
        reg::RegCloseKey(key);
        return false;
    }
    buffer.truncate(static_cast<qsizetype>(size));
    if (buffer.endsWith('\0'))
        buffer.chop(1);
    if (type == reg::REG_SZ) {
        KeyVal = ansi::ToUnicode(buffer);
    } else if (type == reg::REG_DWORD) {
        // Little-endian bytes, the last one the highest.
        uint32_t number = 0;
        for (qsizetype i = buffer.size() - 1; i >= 0; --i)
            number = (number << 8) | static_cast<uint8_t>(buffer[i]);
        KeyVal = QString::number(number);
    }
    reg::RegCloseKey(key);
    return true;
}

void frmAbout::Label5_Click() { ui::ShellOpen(MakerWebAddress); }

void frmAbout::Label5_MouseMove() { showLinkHovered(true); }

void frmAbout::Form_MouseMove() { showLinkHovered(false); }

void frmAbout::showLinkHovered(bool hovered)
{
    QFont font = Label5->font();
    font.setBold(hovered);
    font.setUnderline(hovered);
    Label5->setFont(font);
    QPalette palette = Label5->palette();
    palette.setColor(QPalette::WindowText, ui::ColorFromVb(hovered ? kLinkColor : kPlainColor));
    Label5->setPalette(palette);
    if (hovered)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void frmAbout::mouseMoveEvent(QMouseEvent *event)
{
    RunGuarded([this] { Form_MouseMove(); });
    ui::Form::mouseMoveEvent(event);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label5) {
        if (event->type() == QEvent::MouseMove) {
            RunGuarded([this] { Label5_MouseMove(); });
            return true;   // the window beneath would take the pointer back
        }
        if (event->type() == QEvent::MouseButtonPress)
            return true;   // taken here so that the release comes back to the link
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && Label5->rect().contains(mouse->position().toPoint()))
                RunGuarded([this] { Label5_Click(); });
            return true;
        }
    }
    return ui::Form::eventFilter(watched, event);
}

} // namespace core
