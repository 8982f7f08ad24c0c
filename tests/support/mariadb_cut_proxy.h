#pragma once
// A relay of the test's own between the program and the MariaDB test server, on a loopback port,
// that breaks connections where a test wants them (the server itself stays up for the others):
//   - at one statement the client sends, the statement goes on to the server and its answer is
//     dropped with the connection (the server made the change; the client cannot know it), or
//     the statement is dropped with the connection (the server rolls its transaction back);
//   - dark: every connection is closed and new ones are closed at once (a server gone away);
//   - frozen: connections are taken and nothing is relayed either way (a server that hangs).
//
//   testsupport::MariaDbCutProxy proxy;
//   fx.writeIni("settings", "SQLhost", proxy.hostText());
//   core::OpenDatabase();                     // the program's connection now goes through it
//   proxy.cutAt("COMMIT", testsupport::MariaDbCutProxy::Cut::AnswerLost);
//
// Only the client's statements are read (the length-prefixed packets of the client/server
// protocol, a text query or a statement to prepare); everything else passes as it is. Bounded:
// it listens on 127.0.0.1 only, relays to 127.0.0.1, and its thread ends with the object.
#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace testsupport {

class MariaDbCutProxy {
public:
    enum class Cut {
        AnswerLost,      // the statement reaches the server; its answer never reaches the client
        StatementLost,   // the statement and the connection end before the server sees it
    };

    // Relays to the test server's port (HOTEL_TEST_MYSQL_PORT) unless another is given.
    explicit MariaDbCutProxy(int serverPort = 0);
    ~MariaDbCutProxy();
    MariaDbCutProxy(const MariaDbCutProxy &) = delete;
    MariaDbCutProxy &operator=(const MariaDbCutProxy &) = delete;

    int port() const { return port_; }
    // config.ini's "SQLhost" for the proxy: "127.0.0.1;port=N".
    QString hostText() const;

    // The next statement that begins with `statementStart` (compared without regard to case)
    // is cut as `cut` says; the connections after it are relayed as before, or, with
    // `darkAfter`, refused from the moment the client learns of the cut.
    void cutAt(const QString &statementStart, Cut cut, bool darkAfter = false);
    // How many cuts were made.
    int cutsMade() const { return cuts_; }
    void goDark() { dark_ = true; }
    void freeze() { frozen_ = true; }

private:
    struct Pair;
    void run();
    void fromClient(Pair &pair);
    void fromServer(Pair &pair);
    bool matchesArmed(const QByteArray &packet);

    int serverPort_;
    int listener_ = -1;
    int port_ = 0;
    std::mutex armed_;
    QByteArray armedStart_;   // upper case; empty: nothing armed
    Cut armedCut_ = Cut::AnswerLost;
    bool armedDarkAfter_ = false;
    std::atomic<int> cuts_{0};
    std::atomic<bool> dark_{false};
    std::atomic<bool> frozen_{false};
    std::atomic<bool> stop_{false};
    std::unique_ptr<std::thread> thread_;
};

} // namespace testsupport
