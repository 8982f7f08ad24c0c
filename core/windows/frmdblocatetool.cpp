#include "core/windows/frmdblocatetool.h"

#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/configini.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "core/ui/balloonhint.h"
#include "core/ui/cballoontooltip.h"
#include "core/ui/windowkit.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "ui/vbcolor.h"
#include "vb/conversions.h"
#include "vb/crlf.h"
#include "vb/error.h"
#include "vb/text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace core {

namespace {

QString productName() { return ui::ApplicationTitle(); }

} // namespace

frmDBLocateTool::frmDBLocateTool() : ui::Form(Name)
{
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    SetCaption(QStringLiteral("Database Error"));

    Label1 = Label(QString(), QStringLiteral("Label1"), this);
    Label1->setWordWrap(true);
    Label5 = Label(QStringLiteral("Database Error :"), QStringLiteral("Label5"), this);
    Text2 = new QPlainTextEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);

    Frame1 = new QGroupBox(QStringLiteral("Database Error"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label2 = Label(QStringLiteral("File Location"), QStringLiteral("Label2"), Frame1);
    Text1 = TextBox(QStringLiteral("Text1"), Frame1);
    Command1 = Button(QStringLiteral("Browse"), QStringLiteral("Command1"), Frame1);
    Label6 = Label(QStringLiteral("Password (leave blank to use default)"), QStringLiteral("Label6"), Frame1);
    txtDBpass = TextBox(QStringLiteral("txtDBpass"), Frame1);
    txtDBpass->setEchoMode(QLineEdit::Password);
    Check1 = new QCheckBox(QStringLiteral("My SQL (This feature is disabled in this version!)"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setTristate(true);
    Check1->setEnabled(false);
    Label3 = Label(QStringLiteral(" Host Name"), QStringLiteral("Label3"), Frame1);
    txtSQLHost = TextBox(QStringLiteral("txtSQLHost"), Frame1);
    Label4 = Label(QStringLiteral("DB Name"), QStringLiteral("Label4"), Frame1);
    txtSQLDBName = TextBox(QStringLiteral("txtSQLDBName"), Frame1);
    lbusername = Label(QStringLiteral("User Name"), QStringLiteral("lbusername"), Frame1);
    txtSQLUserName = TextBox(QStringLiteral("txtSQLUserName"), Frame1);
    lbpassword = Label(QStringLiteral("Password"), QStringLiteral("lbpassword"), Frame1);
    txtSQLPassWord = TextBox(QStringLiteral("txtSQLPassWord"), Frame1);
    txtSQLPassWord->setEchoMode(QLineEdit::Password);
    Command2 = Button(QStringLiteral("&Save"), QStringLiteral("Command2"), this);
    SetDefaultButton(*this, Command2);

    // As designed: no stored error shown, the Access boxes in use, the MySQL boxes grey.
    Label5->hide();
    Text2->hide();
    SetBoxesEnabled({txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord}, false);
    buildLayout();

    core::ConnectHandler(Check1, &QCheckBox::stateChanged, this, &frmDBLocateTool::Check1_Click);
    core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmDBLocateTool::Command1_Click);
    core::ConnectHandler(Command2, &QPushButton::clicked, this, &frmDBLocateTool::Command2_Click);
}

frmDBLocateTool::~frmDBLocateTool() = default;

void frmDBLocateTool::buildLayout()
{
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto *heading = new QHBoxLayout;
    heading->addWidget(icon);
    heading->addWidget(Label1, 1);

    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setFixedHeight(Text2->fontMetrics().lineSpacing() * 6 + 2 * Text2->frameWidth() + 8);

    auto *fields = new QGridLayout(Frame1);
    fields->setColumnStretch(1, 1);
    fields->addWidget(Label2, 0, 0);
    fields->addWidget(Text1, 0, 1);
    fields->addWidget(Command1, 0, 2);
    fields->addWidget(Label6, 1, 0);
    fields->addWidget(txtDBpass, 1, 1);
    fields->addWidget(Check1, 2, 0, 1, 3);
    fields->addWidget(Label3, 3, 0);
    fields->addWidget(txtSQLHost, 3, 1);
    fields->addWidget(Label4, 4, 0);
    fields->addWidget(txtSQLDBName, 4, 1);
    fields->addWidget(lbusername, 5, 0);
    fields->addWidget(txtSQLUserName, 5, 1);
    fields->addWidget(lbpassword, 6, 0);
    fields->addWidget(txtSQLPassWord, 6, 1);
    fields->setRowMinimumHeight(2, Check1->sizeHint().height() + 8);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command2);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(heading);
    outer->addWidget(Label5);
    outer->addWidget(Text2);
    outer->addWidget(Frame1);
    outer->addLayout(buttons);
    // The window takes the height its contents need (the stored error shows or not) at a
    // width that leaves the path box room.
    outer->setSizeConstraint(QLayout::SetFixedSize);
    Frame1->setMinimumWidth(600);
}

int frmDBLocateTool::Check1Value() const
{
    switch (Check1->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    }
    return 0;
}

void frmDBLocateTool::SetCheck1Value(int value)
{
    static const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (value < 0 || value > 2)
        throw vb::Error(380, QStringLiteral("Invalid property value"));
    Check1->setCheckState(states[value]);   // a change runs Check1_Click
}

tarvolinkini::_INI &frmDBLocateTool::ini()
{
    if (!ini_)
        ini_ = NewConfigIni(QStringLiteral("settings"));
    return *ini_;
}

CBalloonToolTip &frmDBLocateTool::tip()
{
    if (!tip_)
        tip_ = std::make_unique<CBalloonToolTip>();
    return *tip_;
}

CCrypto &frmDBLocateTool::crypto()
{
    if (!crypto_)
        crypto_ = std::make_unique<CCrypto>();
    return *crypto_;
}

void frmDBLocateTool::Form_Load()
{
    RunHandler(QStringLiteral("FRDBLT004"), ReportMode::Modeless, [&] {
        const AppState &state = State();
        if (!state.mLastError.isEmpty()) {
            Label5->show();
            Text2->show();
            Text2->setPlainText(
                vb::CrLfToLines(state.mLastError + vbCrLf + QStringLiteral("--------") + vbCrLf + state.mLastSQL));
        }
        Label1->setText(productName() + QStringLiteral(" Could not find the Database! Please locate it! "));

        Text1->setText(ReadIniValue(ini(), QStringLiteral("db")));
        const QString dbKey = ReadIniValue(ini(), QStringLiteral("dbkey"));
        if (!dbKey.isEmpty())
            txtDBpass->setText(crypto().Decrypt(vb::Trim(dbKey), ProgramKey(), true, CCrypto::RC2));
        SetCheck1Value(vb::CInt(vb::Variant(ReadIniValue(ini(), QStringLiteral("UseSQL")))));

        if (Check1Value() == 1) {
            Text1->setEnabled(false);
            txtDBpass->setEnabled(false);
            txtSQLHost->setText(ReadIniValue(ini(), QStringLiteral("SQLhost")));
            txtSQLDBName->setText(ReadIniValue(ini(), QStringLiteral("SQLDBname")));
            for (auto [box, key] : {std::pair{txtSQLUserName, QStringLiteral("SQLUserName")},
                                    std::pair{txtSQLPassWord, QStringLiteral("SQLPassWord")}}) {
                const QString stored = vb::Trim(ReadIniValue(ini(), key));
                if (!stored.isEmpty())
                    box->setText(crypto().Decrypt(stored, ProgramKey(), true, CCrypto::RC2));
            }
        } else {
            Text1->setEnabled(true);
            txtDBpass->setEnabled(true);
            SetBoxesEnabled({txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord}, false);
        }

        Label1->setText(vb::CrLfToLines(
            QStringLiteral("Database Error Occurred ! This could be due to saveral reasons :") + vbCrLf +
            QStringLiteral("  1. ") + productName() +
            QStringLiteral(" could not find the database! or wrong database file specified.") + vbCrLf +
            QStringLiteral("  2. Database password do not match.") + vbCrLf +
            QStringLiteral("  3. Internal Database query Error.")));
    });
}

void frmDBLocateTool::Check1_Click()
{
    RunHandler(QStringLiteral("FRDBLT001"), ReportMode::Modeless, [&] {
        const auto mySqlBoxes = {txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord};
        switch (Check1Value()) {
        case 1:
            SetBoxesEnabled(mySqlBoxes, true);
            SetBoxesEnabled({Text1, txtDBpass}, false);
            break;
        case 0:
            SetBoxesEnabled(mySqlBoxes, false);
            SetBoxesEnabled({Text1, txtDBpass}, true);
            break;
        default:
            break;   // the grey state shows a stored value the window does not know
        }
    });
}

void frmDBLocateTool::Command1_Click()
{
    RunHandler(QStringLiteral("FRDBLT002"), ReportMode::Modeless, [&] {
        ui::FileDialogOptions options;
        options.title = QStringLiteral("Locate Database");
        options.filter = QStringLiteral("Microsoft MDB (*.mdb)|*.mdb");
        options.owner = this;
        const ui::FileDialogResult chosen = ui::GetOpenFileName(options);
        if (!chosen.fileName.isEmpty())
            Text1->setText(chosen.fileName);
    });
}

void frmDBLocateTool::Command2_Click()
{
    // config.ini keeps what was written; the window stays for another try.
    RunHandler(QStringLiteral("FRDBLT003"), ReportMode::Modeless, [&] {
        bool saved = false;
        switch (Check1Value()) {
        case 0: saved = saveAccess(); break;
        case 1: saved = saveMySql(); break;
        default: break;   // grey: neither engine is chosen, nothing is written
        }
        if (!saved)
            return;
        OpenDatabase();
        Unload();
    });
}

bool frmDBLocateTool::saveAccess()
{
    if (isMissing(Text1, QStringLiteral("Please enter Database path"), QStringLiteral("Please enter Database path!")))
        return false;
    WriteIniValue(ini(), QStringLiteral("db"), Text1->text());
    // A password of one character or none leaves the built-in default in force.
    const QString password = vb::Trim(txtDBpass->text());
    WriteIniValue(ini(), QStringLiteral("dbkey"),
                  password.size() > 1 ? crypto().Encrypt(password, ProgramKey(), true, CCrypto::RC2) : QString());
    // The settings reader needs a whole number there: without one (the key missing, or not
    // a number) the file chosen here could never be opened. A readable value stays.
    const bool engineReadable =
        ResumeNext([&] { vb::CInt(vb::Variant(ReadIniValue(ini(), QStringLiteral("UseSQL")))); });
    if (!engineReadable)
        WriteIniValue(ini(), QStringLiteral("UseSQL"), QStringLiteral("0"));
    KeepConfigIniPrivate();
    return true;
}

bool frmDBLocateTool::saveMySql()
{
    if (isMissing(txtSQLHost, QStringLiteral("Enter SQL Host"), QStringLiteral("Enter SQL Host!")) ||
        isMissing(txtSQLDBName, QStringLiteral("Enter SQL Database Name"), QStringLiteral("Please enter SQL Database!")) ||
        isMissing(txtSQLPassWord, QStringLiteral("Enter SQL password"), QStringLiteral("Please enter SQL password!")) ||
        isMissing(txtSQLUserName, QStringLiteral("Enter SQL Username"), QStringLiteral("Please enter SQL username!")))
        return false;
    WriteIniValue(ini(), QStringLiteral("SQLhost"), txtSQLHost->text());
    WriteIniValue(ini(), QStringLiteral("SQLDBname"), txtSQLDBName->text());
    WriteIniValue(ini(), QStringLiteral("SQLUserName"),
                  crypto().Encrypt(vb::Trim(txtSQLUserName->text()), ProgramKey(), true, CCrypto::RC2));
    WriteIniValue(ini(), QStringLiteral("SQLPassWord"),
                  crypto().Encrypt(vb::Trim(txtSQLPassWord->text()), ProgramKey(), true, CCrypto::RC2));
    WriteIniValue(ini(), QStringLiteral("UseSQL"), QString::number(Check1Value()));
    KeepConfigIniPrivate();
    return true;
}

bool frmDBLocateTool::isMissing(QLineEdit *box, const QString &title, const QString &text)
{
    if (!box->text().isEmpty())
        return false;
    ShowBalloonHint(tip(), box, title, text);
    box->setFocus();
    return true;
}

void InstallDatabaseSettingsWindow()
{
    SetDatabaseSettingsWindow({
        [] {
            const frmDBLocateTool *open = ui::Forms::Find<frmDBLocateTool>();
            return open && open->isVisible();
        },
        [] { ui::Forms::Get<frmDBLocateTool>().Show(ui::vbModal); },
    });
}

} // namespace core
