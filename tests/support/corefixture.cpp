#include "corefixture.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/ui/failuremessage.h"
#include "profile/profile.h"
#include "scratch_database.h"
#include "ui/forms.h"
#include "vb/app.h"
#include "vb/conversions.h"
#include "vb/locale.h"

#include <QDir>
#include <QTest>
#include <QUuid>

#include <dlfcn.h>

namespace testsupport {

namespace {

QString environment(const char *name) { return QString::fromLocal8Bit(qgetenv(name)); }

QString freshProgramFolder()
{
    const QString path = scratchFolder() + QStringLiteral("/program-") +
                         QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    QDir().mkpath(path);
    return path;
}

QString encipher(const QString &text)
{
    core::CCrypto crypto;
    return crypto.Encrypt(text, core::ProgramKey(), true, core::CCrypto::RC2);
}

} // namespace

void RegisterSettingsComponent()
{
    static bool registered = false;
    if (registered)
        return;
    const QString library = environment("HOTEL_PROGRAM_DIR") + QStringLiteral("/libTarvolinkINI.so");
    void *handle = dlopen(library.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        qFatal("cannot load %s: %s", qPrintable(library), dlerror());
    using Entry = int32_t (*)();
    auto registerServer = reinterpret_cast<Entry>(dlsym(handle, "DllRegisterServer"));
    if (!registerServer || registerServer() != 0)
        qFatal("cannot register %s", qPrintable(library));
    registered = true;
}

CoreFixture::CoreFixture(const QString &engine, bool openDatabase)
{
    vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    RegisterSettingsComponent();
    programFolder_ = freshProgramFolder();
    vb::SetAppPath(programFolder_);
    core::ResetState();
    core::InstallFailureMessageBox();

    if (engine == QLatin1String("mariadb")) {
        database_ = std::make_unique<ScratchDatabase>(engine);
    } else {
        makeScratchAccessDatabase(databasePath());
    }
    writeSettings();
    if (openDatabase)
        core::OpenDatabase();
}

CoreFixture::~CoreFixture()
{
    for (ui::Form *form : ui::Forms::Loaded())
        form->Unload(ui::vbFormCode);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    connection_.reset();
    core::ResetState();
}

bool CoreFixture::isMariaDb() const { return database_ && database_->isMariaDb(); }

QString CoreFixture::connectionText() const
{
    return isMariaDb() ? database_->connectionText() : accessConnectionText(databasePath(), QStringLiteral("640917"));
}

void CoreFixture::writeSettings()
{
    const QString section = QStringLiteral("settings");
    if (isMariaDb()) {
        const QString text = database_->connectionText();
        auto part = [&text](const QString &key) {
            for (const QString &item : text.split(QLatin1Char(';'))) {
                if (item.startsWith(key + QLatin1Char('='), Qt::CaseInsensitive))
                    return item.mid(key.size() + 1);
            }
            return QString();
        };
        writeIni(section, QStringLiteral("useSQL"), QStringLiteral("1"));
        writeIni(section, QStringLiteral("SQLhost"), environment("HOTEL_TEST_MYSQL_HOST"));
        writeIni(section, QStringLiteral("SQLDBname"), part(QStringLiteral("database")));
        writeIni(section, QStringLiteral("SQLUserName"), encipher(environment("HOTEL_TEST_MYSQL_USER")));
        writeIni(section, QStringLiteral("SQLPassWord"), encipher(environment("HOTEL_TEST_MYSQL_PASSWORD")));
        return;
    }
    writeIni(section, QStringLiteral("db"), databasePath());
    writeIni(section, QStringLiteral("dbkey"), QString());
    writeIni(section, QStringLiteral("useSQL"), QStringLiteral("0"));
}

void CoreFixture::writeIni(const QString &section, const QString &key, const QString &value)
{
    const QString file = programFolder_ + QStringLiteral("/config.ini");
    const auto nullable = [](const QString &text) {
        return text.isNull() ? profile::NullableText() : profile::NullableText(text);
    };
    profile::WritePrivateProfileString(section, nullable(key), nullable(value), file);
}

void CoreFixture::openThroughHost(const QString &hostText)
{
    writeIni(QStringLiteral("settings"), QStringLiteral("SQLhost"), hostText);
    core::OpenDatabase();
}

QString CoreFixture::readIni(const QString &section, const QString &key) const
{
    QString value;
    const uint32_t length = profile::GetPrivateProfileString(section, key, QString(), &value, 4096,
                                                             programFolder_ + QStringLiteral("/config.ini"));
    return value.left(length);
}

ado::Connection &CoreFixture::own()
{
    if (!connection_) {
        connection_ = std::make_unique<ado::Connection>();
        connection_->Open(connectionText());
    }
    return *connection_;
}

void CoreFixture::exec(const QString &sql) { own().Execute(sql); }

QList<Row> CoreFixture::query(const QString &sql)
{
    ado::Recordset rs;
    rs.Open(sql, own(), ado::adOpenKeyset, ado::adLockOptimistic);
    QList<Row> rows;
    if (rs.State() != ado::adStateOpen)
        return rows;
    const int columns = rs.Fields().Count();
    while (!rs.IsEOF()) {
        Row row;
        for (int i = 0; i < columns; ++i)
            row.insert(rs.Fields(i).Name().toLower(), rs.Fields(i).Value());
        rows.append(row);
        rs.MoveNext();
    }
    return rows;
}

vb::Variant CoreFixture::scalar(const QString &sql)
{
    ado::Recordset rs;
    rs.Open(sql, own(), ado::adOpenKeyset, ado::adLockOptimistic);
    if (rs.State() != ado::adStateOpen || rs.IsEOF())
        return vb::Variant();
    return rs.Fields(0).Value();
}

} // namespace testsupport
