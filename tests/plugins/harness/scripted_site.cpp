#include "tests/plugins/harness/scripted_site.h"

namespace harness {

unsigned short sitePort() {
#ifdef SEARCH_DEMO_PORT
    return SEARCH_DEMO_PORT;
#else
    return 0;
#endif
}

ScriptedSite::ScriptedSite() {
    start();
}

ScriptedSite::~ScriptedSite() {
    stop();
}

bool ScriptedSite::listening() const {
    return server_ && server_->listening();
}

bool ScriptedSite::start() {
    server_.reset();
    if (sitePort() == 0) return false;  // the plug-ins talk to real hosts: nothing to script
    server_.emplace([this](const loopback::Request& request) { return answer(request); }, sitePort());
    requestsBefore_ = server_->requestCount();
    return listening();
}

void ScriptedSite::stop() {
    server_.reset();
}

void ScriptedSite::script(loopback::Handler handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
    requestsBefore_ = server_ ? server_->requestCount() : 0;
}

std::vector<loopback::Request> ScriptedSite::requests() const {
    if (!server_) return {};
    std::vector<loopback::Request> all = server_->requests();
    std::lock_guard lock(mutex_);
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(requestsBefore_, all.size())), all.end()};
}

loopback::Response ScriptedSite::answer(const loopback::Request& request) {
    loopback::Handler handler;
    {
        std::lock_guard lock(mutex_);
        handler = handler_;
    }
    if (handler) return handler(request);
    loopback::Response nothing = loopback::Response::text("");
    nothing.status = 404;
    return nothing;
}

}  // namespace harness
