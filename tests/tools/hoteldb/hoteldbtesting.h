#pragma once
// What the hotel-db tests share: the built tool run in a process of its own, a database name
// on the test server that nothing holds yet (dropped again afterwards), and a program folder
// with the config.ini the set-up writes.
#include "support/mariadb_client.h"
#include "support/scratch_database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QString>
#include <QUuid>

namespace hoteldbtesting {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
    QString all() const { return out + err; }
};

// The tool, with `password` on standard input, or in HOTEL_DB_PASSWORD when `inEnvironment`.
inline ToolRun runTool(const QStringList &arguments, const QString &password, bool inEnvironment = false,
                       QProcessEnvironment environment = QProcessEnvironment::systemEnvironment())
{
    QProcess tool;
    environment.remove(QStringLiteral("HOTEL_DB_PASSWORD"));
    if (inEnvironment)
        environment.insert(QStringLiteral("HOTEL_DB_PASSWORD"), password);
    tool.setProcessEnvironment(environment);
    tool.start(qEnvironmentVariable("HOTEL_PROGRAM_DIR") + QStringLiteral("/hotel-db"), arguments);
    if (!inEnvironment)
        tool.write((password + QLatin1Char('\n')).toUtf8());
    tool.closeWriteChannel();
    ToolRun run;
    if (!tool.waitForFinished(120000))
        tool.kill();
    else if (tool.exitStatus() == QProcess::NormalExit)
        run.exitCode = tool.exitCode();
    run.out = QString::fromUtf8(tool.readAllStandardOutput());
    run.err = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

// `server` arguments for the test server, the port given apart.
inline QStringList serverArguments(const QString &folder, const QString &database,
                                   const QString &user = qEnvironmentVariable("HOTEL_TEST_MYSQL_USER"))
{
    return {QStringLiteral("server"), QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
            qEnvironmentVariable("HOTEL_TEST_MYSQL_PORT"), QStringLiteral("--database"), database, QStringLiteral("--user"),
            user, QStringLiteral("--folder"), folder};
}

inline QString freshName(const char *prefix)
{
    return QLatin1String(prefix) + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('_')
           + QString::number(QRandomGenerator::system()->generate() & 0xffffff, 16);
}

// A database name nothing holds; whatever the test made under it is dropped at the end.
class FreshDatabase {
public:
    FreshDatabase() : name_(freshName("hotel_tool_")) {}
    ~FreshDatabase() { testsupport::RunMariaDbClient(QString(), QStringLiteral("DROP DATABASE IF EXISTS ") + name_); }
    FreshDatabase(const FreshDatabase &) = delete;
    FreshDatabase &operator=(const FreshDatabase &) = delete;
    const QString &name() const { return name_; }
    bool exists() const
    {
        return testsupport::RunMariaDbClient(QString(), QStringLiteral("SHOW DATABASES LIKE '%1'").arg(name_)).output.trimmed()
               == name_;
    }
    // The first column of a query's rows, one a line.
    QString query(const QString &sql) const { return testsupport::RunMariaDbClient(name_, sql).output.trimmed(); }

private:
    QString name_;
};

// A new program folder with the config.ini the set-up writes for a first start.
inline QString freshProgramFolder()
{
    const QString folder = testsupport::scratchFolder() + QStringLiteral("/program-")
                           + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    QDir().mkpath(folder);
    QFile ini(folder + QStringLiteral("/config.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[settings]\r\ndb=\r\ndbkey=\r\nuseSQL=0\r\n[bokpos]\r\nbokState=0\r\n[CusD]\r\nCusDstate=0\r\n");
    return folder;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace hoteldbtesting
