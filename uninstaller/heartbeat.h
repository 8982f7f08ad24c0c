#pragma once
// Keeps the progress window painted during a long step: the run installs what to call (its
// event pump), and a step calls Heartbeat() once per item; the pump then runs at most every
// 40 ms, so a step of thousands of items stays responsive at no cost to a short one.
#include <functional>

namespace uninst {

// An empty function (the silent run) turns the heartbeat off.
void SetHeartbeat(std::function<void()> pump);
void Heartbeat();

} // namespace uninst
