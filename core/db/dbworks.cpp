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
#include "schema/food_order_store.h"
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

std::function<void(const QString &)> &failureMessageBox()
{
    static std::function<void(const QString &)> show;
    return show;
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

// A change whose answer was lost may have been made all the same: the clerk is told so, to
// look before entering it again.
const QString OutcomeNotKnownText = QStringLiteral("Whether the change was stored is not known: the database could "
                                                   "not be asked again. Look for it before entering it again.");
const QString MayBeStoredText = QStringLiteral("The database may have stored the change before the connection was "
                                               "lost: look for it before entering it again.");

// What the error report shows as the statement when beginning or committing failed.
const QString BeginTransactionText = QStringLiteral("BEGIN TRANSACTION");
const QString CommitTransactionText = QStringLiteral("COMMIT TRANSACTION");

QString descriptionOf(const vb::Error &error)
{
    if (dynamic_cast<const ado::UnknownOutcome *>(&error))
        return error.Description() + QStringLiteral(" ") + MayBeStoredText;
    return error.Description();
}

void routeFailure(const QString &code, const vb::Error &error)
{
    auto &state = State();
    if (error.Number() == ado::E_FAIL_UNSPECIFIED) {
        state.mLastError = QStringLiteral("Error Code : ") + code;
        const QString text = state.mLastError + vbCrLf + descriptionOf(error);
        if (failureMessageBox())
            failureMessageBox()(text);
        else
            qCInfo(lcDb).noquote() << text << "\n" << state.mLastSQL;
        return;
    }
    state.mLastError = ErrorCodeText(code, descriptionOf(error));
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
    schema::InstallFoodOrderStore();
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
    try {
        conn->BeginTrans();   // a file that stays locked fails here, before any statement runs
    } catch (const vb::Error &) {
        State().mLastSQL = BeginTransactionText;
        throw;
    }
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

void Transaction::Commit(const ChangeLookup &stored)
{
    const auto conn = std::move(connection_);
    if (!conn)
        return;
    try {
        conn->CommitTrans();
        return;
    } catch (const ado::UnknownOutcome &lost) {
        State().mLastSQL = CommitTransactionText;
        bool found = false;
        try {
            found = stored();
        } catch (const vb::Error &) {
            throw ado::UnknownOutcome(lost, lost.Description() + QStringLiteral(" ") + OutcomeNotKnownText);
        }
        if (!found)
            throw vb::Error(lost.Number(), lost.Description(), lost.Source());
        qCInfo(lcDb) << "The commit's answer was lost; the change was found stored.";
    } catch (const vb::Error &) {
        State().mLastSQL = CommitTransactionText;
        throw;
    }
}

void TidyAfterFailure(const std::function<void()> &step)
{
    const QString failed = State().mLastSQL;
    try {
        step();
    } catch (const vb::Error &) {
        // The tidying is best effort; the failure that called for it is what gets reported.
    }
    State().mLastSQL = failed;
}

void SetDatabaseSettingsWindow(DatabaseSettingsWindow window) { settingsWindow() = std::move(window); }

void SetFailureMessageBox(std::function<void(const QString &text)> show)
{
    failureMessageBox() = std::move(show);
}

} // namespace core
