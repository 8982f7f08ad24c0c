#pragma once
// The ground of every test of the program's windows: a private program folder holding
// config.ini and a fresh data.mdb (or a fresh database on the MariaDB test server), the
// settings component registered in the test's private registry, scripted dialogs, a fresh
// program-wide state record, and the statement layer's connection opened from config.ini.
//
//   testsupport::CoreFixture fx;                 // embedded database, opened
//   fx.exec("INSERT INTO tbl_Rooms ...");        // set up rows behind the program's back
//   ... drive a window ...
//   QCOMPARE(fx.scalar("SELECT count(*) FROM tbl_logTable").toInt(), 1);
#include "ui/scripteddialogs.h"
#include "vb/variant.h"

#include <QHash>
#include <QList>
#include <QString>
#include <memory>

namespace ado {
class Connection;
}

namespace testsupport {

class ScratchDatabase;

// One row of a query: column names in lower case.
using Row = QHash<QString, vb::Variant>;

class CoreFixture {
public:
    // engine: "access" (an SQLCipher data.mdb in the program folder) or "mariadb" (call
    // HOTEL_NEED_MARIADB() first). openDatabase: run OpenDatabase as the program's start does.
    explicit CoreFixture(const QString &engine = QStringLiteral("access"), bool openDatabase = true);
    ~CoreFixture();
    CoreFixture(const CoreFixture &) = delete;
    CoreFixture &operator=(const CoreFixture &) = delete;

    ui::ScriptedDialogs &dialogs() { return dialogs_; }
    const QString &programFolder() const { return programFolder_; }
    bool isMariaDb() const;
    // The connection text of the test's database.
    QString connectionText() const;
    // Path of data.mdb (embedded engine).
    QString databasePath() const { return programFolder_ + QStringLiteral("/data.mdb"); }

    // config.ini's section "settings" as the set-up writes it for this database (the secrets
    // enciphered as the program stores them).
    void writeSettings();
    // Writes one value of config.ini directly (a null value deletes the key).
    void writeIni(const QString &section, const QString &key, const QString &value);
    // MariaDB: the program's connection reopened through `hostText` (a relay of the test's own,
    // "127.0.0.1;port=N"), as config.ini's "SQLhost"; the fixture's own connection stays direct.
    void openThroughHost(const QString &hostText);
    QString readIni(const QString &section, const QString &key) const;

    // Statements and queries on a connection of the test's own, beside the program's.
    void exec(const QString &sql);
    QList<Row> query(const QString &sql);
    // The first column of the first row (Empty when there is none).
    vb::Variant scalar(const QString &sql);

private:
    ado::Connection &own();

    ui::ScriptedDialogs dialogs_;
    QString programFolder_;
    std::unique_ptr<ScratchDatabase> database_;
    std::unique_ptr<ado::Connection> connection_;
};

// Registers the settings component (libTarvolinkINI.so of the program folder) in the test's
// private registry; done once per process by CoreFixture.
void RegisterSettingsComponent();

} // namespace testsupport
