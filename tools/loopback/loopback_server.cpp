// LoopbackServer: an accept loop on its own thread and one thread per
// connection, all ended through one stop event (see loopback_server.h).
#include "tools/loopback/loopback_server.h"

#include <ws2tcpip.h>

#include <atomic>
#include <condition_variable>
#include <list>
#include <mutex>
#include <thread>

#include "tools/loopback/http_wire.h"
#include "tools/loopback/socket_channel.h"

namespace loopback {

struct LoopbackServer::State {
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done = std::make_shared<std::atomic<bool>>(false);
    };

    explicit State(Handler h) : handler(std::move(h)) {}
    ~State() { CloseHandle(stop); }

    WinsockSession winsock;
    Handler handler;
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Socket listener;
    unsigned short port = 0;
    std::thread acceptor;

    mutable std::mutex mutex;
    mutable std::condition_variable arrived;
    std::vector<Request> requests;
    std::list<Worker> workers;

    void record(const Request& request) {
        {
            const std::lock_guard lock(mutex);
            requests.push_back(request);
        }
        arrived.notify_all();
    }

    // Answers requests on one connection until either side ends it.
    void serve(Socket socket) {
        Channel channel(std::move(socket), stop);
        std::string pending;
        while (const std::optional<Request> request = readRequest(channel, pending)) {
            record(*request);
            const Response response = handler(*request);
            if (!channel.pause(response.delayMs)) return;
            if (!answer(channel, *request, response)) return;
        }
    }

    // False when the connection ends here.
    static bool answer(Channel& channel, const Request& request, const Response& response) {
        const std::string bytes = formatResponse(response, request.method == "HEAD");
        const std::string_view half = std::string_view(bytes).substr(0, bytes.size() - response.body.size() / 2);
        switch (response.behaviour) {
        case Behaviour::drop: return false;
        case Behaviour::stall: channel.drain(); return false;
        case Behaviour::dropMidBody: channel.sendAll(half); return false;
        case Behaviour::stallMidBody:
            if (channel.sendAll(half)) channel.drain();
            return false;
        case Behaviour::answer: break;
        }
        return channel.sendAll(bytes) && !response.closeAfter && !sameHeaderName(request.header("Connection"), "close");
    }

    void reapFinished() {
        const std::lock_guard lock(mutex);
        for (auto it = workers.begin(); it != workers.end();) {
            if (*it->done) {
                it->thread.join();
                it = workers.erase(it);
            } else {
                ++it;
            }
        }
    }

    void startWorker(Socket socket) {
        reapFinished();
        const std::lock_guard lock(mutex);
        Worker& worker = workers.emplace_back();
        worker.thread = std::thread([this, done = worker.done, s = std::move(socket)]() mutable {
            serve(std::move(s));
            *done = true;
        });
    }

    void acceptLoop() {
        const HANDLE ready = WSACreateEvent();
        WSAEventSelect(listener.get(), ready, FD_ACCEPT);
        const HANDLE events[] = {stop, ready};
        while (WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
            WSANETWORKEVENTS happened;
            WSAEnumNetworkEvents(listener.get(), ready, &happened);
            for (Socket client; (client = Socket(accept(listener.get(), nullptr, nullptr)));) startWorker(std::move(client));
        }
        WSACloseEvent(ready);
    }

    bool listen(unsigned short wanted) {
        listener = Socket(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
        if (!listener) return false;
        const BOOL exclusive = TRUE;
        setsockopt(listener.get(), SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
                   sizeof exclusive);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(wanted);
        int length = sizeof address;
        if (bind(listener.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener.get(), SOMAXCONN) != 0 ||
            getsockname(listener.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            listener.reset();
            return false;
        }
        port = ntohs(address.sin_port);
        return true;
    }
};

LoopbackServer::LoopbackServer(Handler handler, unsigned short port)
    : state_(std::make_unique<State>(std::move(handler))) {
    if (state_->listen(port)) state_->acceptor = std::thread([state = state_.get()] { state->acceptLoop(); });
}

LoopbackServer::~LoopbackServer() { stop(); }

void LoopbackServer::stop() {
    SetEvent(state_->stop);
    if (state_->acceptor.joinable()) state_->acceptor.join();
    // No new worker can start now; the ones left end at the stop event.
    for (State::Worker& worker : state_->workers) worker.thread.join();
    state_->workers.clear();
    state_->listener.reset();
}

bool LoopbackServer::listening() const { return static_cast<bool>(state_->listener); }
unsigned short LoopbackServer::port() const { return state_->port; }

std::string LoopbackServer::hostAndPort() const { return "127.0.0.1:" + std::to_string(state_->port); }

std::string LoopbackServer::url(std::string_view path) const { return "http://" + hostAndPort() + std::string(path); }

std::vector<Request> LoopbackServer::requests() const {
    const std::lock_guard lock(state_->mutex);
    return state_->requests;
}

size_t LoopbackServer::requestCount() const {
    const std::lock_guard lock(state_->mutex);
    return state_->requests.size();
}

bool LoopbackServer::waitForRequests(size_t count, unsigned long timeoutMs) const {
    std::unique_lock lock(state_->mutex);
    return state_->arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                    [&] { return state_->requests.size() >= count; });
}

}  // namespace loopback
