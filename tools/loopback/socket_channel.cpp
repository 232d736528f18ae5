// Channel: non-blocking socket calls, each WSAEWOULDBLOCK answered by a wait
// for the socket's event or the stop event.
#include "tools/loopback/socket_channel.h"

namespace loopback {

Channel::Channel(Socket socket, HANDLE stop) : socket_(std::move(socket)), event_(WSACreateEvent()), stop_(stop) {
    WSAEventSelect(socket_.get(), event_, FD_READ | FD_WRITE | FD_CLOSE);
    const BOOL noDelay = TRUE;
    setsockopt(socket_.get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof noDelay);
}

Channel::~Channel() {
    WSAEventSelect(socket_.get(), nullptr, 0);
    socket_.reset();
    WSACloseEvent(event_);
}

bool Channel::waitForEvents() {
    const HANDLE events[] = {stop_, event_};
    if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return false;
    WSANETWORKEVENTS happened;
    WSAEnumNetworkEvents(socket_.get(), event_, &happened);
    return true;
}

bool Channel::receive(std::string& buffer) {
    char chunk[16384];
    for (;;) {
        const int got = recv(socket_.get(), chunk, sizeof chunk, 0);
        if (got > 0) {
            buffer.append(chunk, got);
            return true;
        }
        if (got == 0 || WSAGetLastError() != WSAEWOULDBLOCK || !waitForEvents()) return false;
    }
}

bool Channel::sendAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const int sent = send(socket_.get(), bytes.data(), static_cast<int>(std::min<size_t>(bytes.size(), 1 << 20)), 0);
        if (sent > 0) {
            bytes.remove_prefix(sent);
        } else if (WSAGetLastError() != WSAEWOULDBLOCK || !waitForEvents()) {
            return false;
        }
    }
    return true;
}

bool Channel::pause(unsigned long ms) const { return WaitForSingleObject(stop_, ms) == WAIT_TIMEOUT; }

void Channel::drain() {
    std::string ignored;
    while (receive(ignored)) ignored.clear();
}

}  // namespace loopback
