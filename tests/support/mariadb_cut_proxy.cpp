#include "support/mariadb_cut_proxy.h"

#include <QDeadlineTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace testsupport {

namespace {

constexpr char ComQuery = 0x03, ComStmtPrepare = 0x16;
// How long an answer that is to be dropped is waited for, and how quiet the server must be
// before the connection is cut (a prepared statement's answers come in several packets).
constexpr int AnswerWaitMs = 5000, QuietMs = 200;

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool sendAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, static_cast<size_t>(size), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

} // namespace

struct MariaDbCutProxy::Pair {
    int client = -1;
    int server = -1;
    QByteArray pending;                // the client's bytes up to a whole packet
    bool answerToDrop = false;         // cut once the server has answered
    QDeadlineTimer answerDeadline;
    bool answered = false;             // the dropped answer has begun
    QDeadlineTimer quietUntil;
    bool darkAfter = false;
    bool closed() const { return client < 0; }
    void close()
    {
        if (client >= 0)
            ::close(client);
        if (server >= 0)
            ::close(server);
        client = server = -1;
    }
};

MariaDbCutProxy::MariaDbCutProxy(int serverPort)
    : serverPort_(serverPort > 0 ? serverPort : qEnvironmentVariableIntValue("HOTEL_TEST_MYSQL_PORT"))
{
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        qFatal("the cut proxy could not listen on a loopback port");
    port_ = ntohs(address.sin_port);
    thread_ = std::make_unique<std::thread>([this] { run(); });
}

MariaDbCutProxy::~MariaDbCutProxy()
{
    stop_ = true;
    thread_->join();
    ::close(listener_);
}

QString MariaDbCutProxy::hostText() const { return QStringLiteral("127.0.0.1;port=") + QString::number(port_); }

void MariaDbCutProxy::cutAt(const QString &statementStart, Cut cut, bool darkAfter)
{
    const std::lock_guard<std::mutex> lock(armed_);
    armedStart_ = statementStart.toUpper().toUtf8();
    armedCut_ = cut;
    armedDarkAfter_ = darkAfter;
}

void MariaDbCutProxy::run()
{
    std::vector<std::unique_ptr<Pair>> pairs;
    while (!stop_) {
        // Frozen, it leaves even the listener's queue alone: the connection is taken by the
        // system and never hears a word.
        if (frozen_) {
            ::usleep(50000);
            continue;
        }
        std::vector<pollfd> watched{{listener_, POLLIN, 0}};
        for (const auto &pair : pairs) {
            watched.push_back({pair->client, static_cast<short>(pair->answerToDrop ? 0 : POLLIN), 0});
            watched.push_back({pair->server, POLLIN, 0});
        }
        if (::poll(watched.data(), watched.size(), 50) < 0)
            continue;
        const std::size_t polled = pairs.size();
        if (watched[0].revents & POLLIN) {
            auto pair = std::make_unique<Pair>();
            pair->client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            const sockaddr_in server = loopback(serverPort_);
            if (pair->client >= 0)
                pair->server = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            if (dark_ || pair->server < 0 ||
                ::connect(pair->server, reinterpret_cast<const sockaddr *>(&server), sizeof server) != 0)
                pair->close();
            else
                pairs.push_back(std::move(pair));
        }
        for (std::size_t i = 0; i < polled; ++i) {
            Pair &pair = *pairs[i];
            const pollfd &client = watched[1 + 2 * i];
            const pollfd &server = watched[2 + 2 * i];
            if (!pair.closed() && (client.revents & (POLLIN | POLLHUP | POLLERR)))
                fromClient(pair);
            if (!pair.closed() && (server.revents & (POLLIN | POLLHUP | POLLERR)))
                fromServer(pair);
            if (!pair.closed() && pair.answerToDrop &&
                (pair.answerDeadline.hasExpired() || (pair.answered && pair.quietUntil.hasExpired()))) {
                dark_ = dark_ || pair.darkAfter;   // before the client hears of the cut
                pair.close();
            }
            if (dark_)
                pair.close();
        }
        pairs.erase(std::remove_if(pairs.begin(), pairs.end(), [](const auto &pair) { return pair->closed(); }),
                    pairs.end());
    }
    for (const auto &pair : pairs)
        pair->close();
}

// The client's bytes go on packet by packet, so that a statement is seen whole before it goes.
void MariaDbCutProxy::fromClient(Pair &pair)
{
    char buffer[65536];
    const ssize_t got = ::recv(pair.client, buffer, sizeof buffer, 0);
    if (got <= 0) {
        pair.close();
        return;
    }
    pair.pending.append(buffer, got);
    while (pair.pending.size() >= 4) {
        const auto byte = [&](int i) { return static_cast<unsigned char>(pair.pending[i]); };
        const qsizetype length = 4 + (byte(0) | byte(1) << 8 | byte(2) << 16);
        if (pair.pending.size() < length)
            return;
        const QByteArray packet = pair.pending.left(length);
        pair.pending.remove(0, length);
        if (matchesArmed(packet)) {
            Cut cut;
            {
                const std::lock_guard<std::mutex> lock(armed_);
                cut = armedCut_;
                pair.darkAfter = armedDarkAfter_;
                armedStart_.clear();
            }
            ++cuts_;
            if (cut == Cut::StatementLost) {
                dark_ = dark_ || pair.darkAfter;
                pair.close();
                return;
            }
            // What the client sent with it (a prepared statement's execution) goes along.
            pair.answerToDrop = true;
            pair.answerDeadline = QDeadlineTimer(AnswerWaitMs);
            if (!sendAll(pair.server, packet.constData(), packet.size()) ||
                !sendAll(pair.server, pair.pending.constData(), pair.pending.size()))
                pair.close();
            pair.pending.clear();
            return;
        }
        if (!sendAll(pair.server, packet.constData(), packet.size())) {
            pair.close();
            return;
        }
    }
}

void MariaDbCutProxy::fromServer(Pair &pair)
{
    char buffer[65536];
    const ssize_t got = ::recv(pair.server, buffer, sizeof buffer, 0);
    if (got <= 0) {
        pair.close();
        return;
    }
    if (pair.answerToDrop) {
        pair.answered = true;
        pair.quietUntil = QDeadlineTimer(QuietMs);
        return;
    }
    if (!sendAll(pair.client, buffer, got))
        pair.close();
}

// A command packet (sequence 0) that carries a statement beginning with the armed text.
bool MariaDbCutProxy::matchesArmed(const QByteArray &packet)
{
    if (packet.size() < 5 || packet[3] != 0 || (packet[4] != ComQuery && packet[4] != ComStmtPrepare))
        return false;
    const std::lock_guard<std::mutex> lock(armed_);
    return !armedStart_.isEmpty() && packet.mid(5).trimmed().toUpper().startsWith(armedStart_);
}

} // namespace testsupport
