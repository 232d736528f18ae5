#pragma once
// The web site of a plug-in test: a loopback server on the port the demo
// build of the plug-ins talks to, answering through whatever script the
// current case sets. One server serves a whole test program, so the port is
// bound once.
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "tools/loopback/loopback_server.h"

namespace harness {

class ScriptedSite {
public:
    ScriptedSite();
    ~ScriptedSite();

    bool listening() const;
    // Replaces the script and forgets the requests so far.
    void script(loopback::Handler handler);
    // Requests since the last script(), in arrival order.
    std::vector<loopback::Request> requests() const;
    // Stops listening, so the site is unreachable; start() listens again.
    // Without a demo port (release builds) it never listens.
    void stop();
    bool start();

private:
    loopback::Response answer(const loopback::Request& request);

    mutable std::mutex mutex_;
    loopback::Handler handler_;
    size_t requestsBefore_ = 0;
    std::optional<loopback::LoopbackServer> server_;
};

// The port the plug-ins of this build talk to; 0 when they talk to real hosts.
unsigned short sitePort();

}  // namespace harness
