#include "host/host_state.h"

#include <cstdlib>
#include <memory>

namespace host {
namespace {

std::unique_ptr<HostState> state;

}  // namespace

HostState& hostState() { return *state; }

void createHostState() {
    state = std::make_unique<HostState>();
    std::atexit(exitRoutine);
}

void exitRoutine() { state.reset(); }

}  // namespace host
