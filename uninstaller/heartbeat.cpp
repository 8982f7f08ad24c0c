#include "heartbeat.h"

#include <QElapsedTimer>

namespace uninst {

namespace {

constexpr qint64 IntervalMs = 40;

struct HeartbeatState {
    std::function<void()> pump;
    QElapsedTimer sinceLast;
};

HeartbeatState &state()
{
    static HeartbeatState heartbeat;
    return heartbeat;
}

} // namespace

void SetHeartbeat(std::function<void()> pump)
{
    state().pump = std::move(pump);
    state().sinceLast.start();
}

void Heartbeat()
{
    HeartbeatState &heartbeat = state();
    if (!heartbeat.pump || heartbeat.sinceLast.elapsed() < IntervalMs)
        return;
    heartbeat.sinceLast.restart();
    heartbeat.pump();
}

} // namespace uninst
