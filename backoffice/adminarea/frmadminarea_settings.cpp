// The "Database Settings" and "Other Settings" tabs: config.ini's database settings, the
// hotel information with the order sign, and the clearing of the guest history.
#include "backoffice/adminarea/frmadminarea.h"

#include "ado/recordset.h"
#include "backoffice/adminarea/adminaids.h"
#include "backoffice/adminarea/settingsstatements.h"
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "core/ui/windowkit.h"
#include "ui/commondialog.h"
#include "ui/dialogs.h"
#include "vb/text.h"

#include <QCheckBox>
#include <QLineEdit>

namespace backoffice {

void frmAdminArea::loadDatabaseSettings()
{
    const auto &state = core::State();
    const std::initializer_list<QLineEdit *> mySqlBoxes{txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord};
    if (state.mUseSQL == 1) {
        UseMySQL->setChecked(true);
        txtSQLHost->setText(state.mSQLHost);
        txtSQLDBName->setText(state.mSQLDBName);
        txtSQLUserName->setText(state.mSQLUserName);
        txtSQLPassWord->setText(state.mSQLPassWord);
        core::SetBoxesEnabled({txtDBpath}, false);
        core::SetBoxesEnabled(mySqlBoxes, true);
    } else if (state.mUseSQL == 0) {
        UseMySQL->setChecked(false);
        txtDBpath->setText(state.mDBPath);
        txtDBpass->setText(state.mDBPassword);
        core::SetBoxesEnabled({txtDBpath}, true);
        core::SetBoxesEnabled(mySqlBoxes, false);
    }
}

void frmAdminArea::UseMySQL_Click()
{
    core::RunHandler(QStringLiteral("ADM0020"), core::ReportMode::Modal, [this] {
        const bool mySql = UseMySQL->isChecked();
        core::SetBoxesEnabled({txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord}, mySql);
        core::SetBoxesEnabled({txtDBpass, txtDBpath}, !mySql);
    });
}

void frmAdminArea::Command2_Click()
{
    core::RunHandler(QStringLiteral("ADM0005"), core::ReportMode::Modal, [this] {
        Dialog1->DialogTitle = QStringLiteral("Locate Database");
        Dialog1->CancelError = false;
        Dialog1->Filter = QStringLiteral("Microsoft MDB (*.mdb)|*.mdb");
        Dialog1->ShowOpen();
        if (!Dialog1->FileName.isEmpty())
            txtDBpath->setText(Dialog1->FileName);
    });
}

void frmAdminArea::Command3_Click()
{
    core::RunHandler(QStringLiteral("ADM0006"), core::ReportMode::Modal, [this] {
        if (ui::MsgBox(QStringLiteral("Modify Database settings?"), ConfirmStyle, QStringLiteral("Remove Room")) !=
            ui::vbYes)
            return;
        saveDatabaseSettings();
        core::ExecuteSQL(DbSettingsLogSql(UseMySQL->isChecked(), core::State().mUserName), core::SqlAction::Insert);
        ui::MsgBox(QStringLiteral("Database details modified!, The chages will take effect only after program "
                                  "re-start!"),
                   ui::vbInformation);
    });
}

// Writes config.ini's "settings" through a new INI object; the secrets as CCrypto text. A
// write that fails raises error 75, so that no success is reported.
void frmAdminArea::saveDatabaseSettings()
{
    ini_ = core::NewConfigIni(QStringLiteral("settings"));
    auto write = [this](const QString &key, const QString &value) {
        if (!core::WriteIniValue(*ini_, key, value))
            throw vb::Error(75, QStringLiteral("Path/File access error"));
    };
    auto encrypted = [this](const QString &text) {
        return crypto().Encrypt(vb::Trim(text), core::ProgramKey(), true, core::CCrypto::RC2);
    };
    if (UseMySQL->isChecked()) {
        write(QStringLiteral("SQLhost"), txtSQLHost->text());
        write(QStringLiteral("SQLDBname"), txtSQLDBName->text());
        write(QStringLiteral("SQLUserName"), encrypted(txtSQLUserName->text()));
        write(QStringLiteral("SQLPassWord"), encrypted(txtSQLPassWord->text()));
        write(QStringLiteral("UseSQL"), QStringLiteral("1"));
        core::KeepConfigIniPrivate();
        return;
    }
    write(QStringLiteral("db"), txtDBpath->text());
    // A password of one character counts as none: the built-in one is used.
    const QString password = vb::Trim(txtDBpass->text());
    write(QStringLiteral("dbkey"), password.size() > 1 ? encrypted(password) : QString());
    core::KeepConfigIniPrivate();
}

void frmAdminArea::LoadHotelInfo()
{
    core::RunHandler(QStringLiteral("ADM0014"), core::ReportMode::Modal, [this] {
        const auto info = core::OpenRecordset(HotelInfoSql());
        if (!info)
            return;
        txtHotelName->setText(TextOf(info->Fields(QStringLiteral("HotelName")).Value()));
        txtHotelPhone->setText(TextOf(info->Fields(QStringLiteral("HotelPhoneNo")).Value()));
        txtHotelFax->setText(TextOf(info->Fields(QStringLiteral("HotelFaxNo")).Value()));
        txtHotelAddress->setText(TextOf(info->Fields(QStringLiteral("HotelAddress")).Value()));
        AddOrderSign->setChecked(TextOf(info->Fields(QStringLiteral("AddOrderSign")).Value()) == QLatin1String("1"));
    });
}

// Saved only when the row was there to take the change; the program-wide hotel information
// and order sign are read again at once.
void frmAdminArea::Command9_Click()
{
    core::RunHandler(QStringLiteral("ADM0012"), core::ReportMode::Modal, [this] {
        if (ui::MsgBox(QStringLiteral("Do you want to save the changes?"), ConfirmStyle,
                       QStringLiteral("Save Changes")) != ui::vbYes)
            return;
        const HotelInfo info{txtHotelName->text(), txtHotelPhone->text(), txtHotelFax->text(),
                             txtHotelAddress->text(), AddOrderSign->isChecked()};
        long rows = 0;
        if (!core::ExecuteSQL(HotelInfoUpdateSql(info), core::SqlAction::Update, &rows) || rows == 0)
            return;
        ui::MsgBox(QStringLiteral("Hotel Info Successfully Saved!"), ui::vbInformation);
        core::ReadHotelInfo();
    });
}

void frmAdminArea::Command8_Click()
{
    core::RunHandler(QStringLiteral("ADM0012"), core::ReportMode::Modal, [this] {
        if (ui::MsgBox(QStringLiteral("Do you really want to clear all Customer History? Action can not be undone!"),
                       ConfirmStyle) != ui::vbYes)
            return;
        if (!core::ExecuteSQL(HistoryClearSql(), core::SqlAction::Delete))
            return;
        ui::MsgBox(QStringLiteral("Cleared All Customer History"), ui::vbInformation);
    });
}

} // namespace backoffice
