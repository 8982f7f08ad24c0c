#include "core/state/appstate.h"

namespace core {

namespace {
AppState &instance()
{
    static AppState state;
    return state;
}
} // namespace

AppState &State() { return instance(); }

void ResetState() { instance() = AppState{}; }

} // namespace core
