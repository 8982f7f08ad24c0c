#pragma once
// Another program on the same database file: Debian's sqlcipher client in a process of its own,
// keyed with the file's password, fed statements on its standard input. It holds whatever
// locks its statements take until told otherwise, as a second workstation or a reporting tool
// reading the file would.
//
//   SqlcipherClient reader(fx.databasePath());
//   reader.send("BEGIN; SELECT count(*) FROM tbl_customers;");   // now holds a read lock
//   ... the program tries to write ...
//   reader.send("COMMIT;");
#include <QProcess>
#include <QString>

namespace testsupport {

class SqlcipherClient {
public:
    explicit SqlcipherClient(const QString &path, const QString &password = QStringLiteral("640917"));
    ~SqlcipherClient();
    SqlcipherClient(const SqlcipherClient &) = delete;
    SqlcipherClient &operator=(const SqlcipherClient &) = delete;

    // Runs the statements and waits until the client has run them; returns what it printed
    // (errors included, as "Error: ..." lines).
    QString send(const QString &statements);
    // Hands the client statements (shell commands such as ".shell sleep 1" included) without
    // waiting for them.
    void post(const QString &statements);

    // One statement in a client of its own that waits for locks up to `waitMs`: its output.
    static QString runOnce(const QString &path, const QString &statements, int waitMs = 2000,
                           const QString &password = QStringLiteral("640917"));

private:
    QProcess process_;
    int marks_ = 0;
};

} // namespace testsupport
