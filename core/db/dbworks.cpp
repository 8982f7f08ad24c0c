#include "core/db/dbworks.h"

#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/configini.h"
#include "core/db/connectiontext.h"
#include "core/db/tableexists.h"
#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "core/state/tracing.h"
#include "ui/dialogs.h"
#include "vb/app.h"
#include "vb/conversions.h"
#include "vb/text.h"


namespace core {

namespace {

DatabaseSettingsWindow &settingsWindow()
{
    static DatabaseSettingsWindow window;
    return window;
}

// The settings reader keeps one INI object on config.ini and one CCrypto object for the run.
// Both live until the program ends; they are never destroyed, so that nothing of the
// component library or the crypto provider runs during the program's exit.
IniObject &settingsIni()
{
    static auto *ini = new IniObject;
    return *ini;
}

CCrypto &settingsCrypto()
{
    static auto *crypto = new CCrypto;
    return *crypto;
}

QString decryptSetting(const QString &stored)
{
    return settingsCrypto().Decrypt(vb::Trim(stored), ProgramKey(), true, CCrypto::RC2);
}

ado::Connection &connection()
{
    auto &conn = State().mConn;
    if (!conn)
        conn = std::make_shared<ado::Connection>();
    return *conn;
}

void routeFailure(const QString &code, const vb::Error &error)
{
    auto &state = State();
    if (error.Number() == ado::E_FAIL_UNSPECIFIED) {
        state.mLastError = QStringLiteral("Error Code : ") + code;
        ui::MsgBox(state.mLastError + vbCrLf + error.Description(), ui::vbOKOnly);
        return;
    }
    state.mLastError = ErrorCodeText(code, error.Description());
    const auto &window = settingsWindow();
    if (!window.showModal) {
        qCInfo(lcDb).noquote() << state.mLastError << "\n" << state.mLastSQL;
        return;
    }
    if (!(window.isVisible && window.isVisible()))
        window.showModal();
}

} // namespace

QString SqlActionCode(SqlAction action)
{
    switch (action) {
    case SqlAction::Delete: return QStringLiteral("DB0002");
    case SqlAction::Insert: return QStringLiteral("DB0003");
    case SqlAction::Update: return QStringLiteral("DB0004");
    case SqlAction::Create: return QStringLiteral("DB0005");
    }
    return QString();
}

QString ReadDbKey()
{
    if (!settingsIni())
        settingsIni() = NewConfigIni(QStringLiteral("settings"));
    auto &ini = *settingsIni();
    ini.SetPath(ConfigIniPath());
    ini.SetSection(QStringLiteral("settings"));
    const QString stored = ReadIniValue(ini, QStringLiteral("dbkey"));
    return stored.isEmpty() ? QString() : decryptSetting(stored);
}

QString ReadDbSettings()
{
    settingsIni() = NewConfigIni(QStringLiteral("settings"));
    auto &ini = *settingsIni();
    auto &state = State();

    const QString db = ReadIniValue(ini, QStringLiteral("db"));
    const QString dbKey = ReadIniValue(ini, QStringLiteral("dbkey"));
    if (!dbKey.isEmpty())
        state.mDBPassword = decryptSetting(dbKey);
    state.mUseSQL = vb::CInt(vb::Variant(ReadIniValue(ini, QStringLiteral("useSQL"))));
    state.mSQLHost = ReadIniValue(ini, QStringLiteral("SQLhost"));
    state.mSQLDBName = ReadIniValue(ini, QStringLiteral("SQLDBname"));
    const QString user = ReadIniValue(ini, QStringLiteral("SQLUserName"));
    if (!user.isEmpty())
        state.mSQLUserName = decryptSetting(user);
    const QString password = ReadIniValue(ini, QStringLiteral("SQLPassWord"));
    if (!password.isEmpty())
        state.mSQLPassWord = decryptSetting(password);
    return db;
}

// Saving corrected settings reopens the connection, which may still be open after a
// failure that was not about the connection itself: it is closed first, so that the
// new settings take effect instead of failing with "already open".
static void reopen(ado::Connection &conn, const QString &connectionText)
{
    if (conn.State() == ado::adStateOpen)
        conn.Close();
    conn.Open(connectionText);
}

void OpenDatabase()
{
    auto &state = State();
    state.mDBPath = ReadDbSettings();
    if (state.mUseSQL != 1) {
        const QString key = ReadDbKey();
        state.mDBPassword = key.isEmpty() ? DefaultDbPassword : key;
        if (state.mDBPath.isEmpty())
            state.mDBPath = vb::AppPath() + QStringLiteral("/data.mdb");
        reopen(connection(), AccessConnectionText(state.mDBPath, state.mDBPassword));
        return;
    }
    auto &conn = connection();
    reopen(conn, MySqlConnectionText(state.mSQLUserName, state.mSQLPassWord, state.mSQLHost, state.mSQLDBName));
    conn.SetCursorLocation(ado::adUseClient);
}

bool ExecuteSQL(const QString &sql, SqlAction action, long *recordsAffected)
{
    State().mLastSQL = sql;
    qCDebug(lcDb).noquote() << sql;
    if (recordsAffected)
        *recordsAffected = 0;
    try {
        connection().Execute(sql, recordsAffected);
        return true;
    } catch (const vb::Error &e) {
        routeFailure(SqlActionCode(action), e);
        return false;
    }
}

DrawnTable CreateDrawnTable(const QString &createSql, const QString &table)
{
    State().mLastSQL = createSql;
    qCDebug(lcDb).noquote() << createSql;
    try {
        connection().Execute(createSql);
        return DrawnTable::Created;
    } catch (const vb::Error &e) {
        bool taken = false;
        try {
            taken = TableExists(table);
        } catch (const vb::Error &) {
            // The look-up failed too: the CREATE's own error is the one to report.
        }
        if (taken)
            return DrawnTable::Taken;
        routeFailure(SqlActionCode(SqlAction::Create), e);
        return DrawnTable::Failed;
    }
}

std::shared_ptr<ado::Recordset> OpenRecordset(const QString &sql)
{
    auto &state = State();
    auto opened = std::make_shared<ado::Recordset>();
    state.mRS = opened;
    state.mLastSQL = sql;
    qCDebug(lcDb).noquote() << sql;
    try {
        opened->Open(sql, connection(), ado::adOpenKeyset, ado::adLockOptimistic);
        return opened;
    } catch (const vb::Error &e) {
        routeFailure(QStringLiteral("DB0006"), e);
        return nullptr;
    }
}

void CloseRecordset() { State().mRS.reset(); }

ado::Recordset &Rows(const std::shared_ptr<ado::Recordset> &rows)
{
    if (!rows)
        ado::raiseAdoError(ado::adErrObjectClosed, ado::RecordsetSource);
    return *rows;
}

Transaction::Transaction()
{
    auto &conn = State().mConn;
    if (!conn || conn->State() != ado::adStateOpen || conn->InTransaction())
        return;   // no connection: the statements fail on their own; inside one: they join it
    conn->BeginTrans();   // a file that stays locked fails here, before any statement runs
    connection_ = conn;
}

Transaction::~Transaction()
{
    if (!connection_)
        return;
    try {
        connection_->RollbackTrans();
    } catch (const vb::Error &) {
        // The connection ends the transaction even when the rollback fails.
    }
}

void Transaction::Commit()
{
    const auto conn = std::move(connection_);
    if (conn)
        conn->CommitTrans();
}

void SetDatabaseSettingsWindow(DatabaseSettingsWindow window) { settingsWindow() = std::move(window); }

} // namespace core
