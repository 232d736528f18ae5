#pragma once
// Blocking socket I/O that a stop signal can always interrupt: every wait is
// for the socket's own event or the server's stop event, whichever comes first.
#include <winsock2.h>

#include <string>
#include <string_view>
#include <utility>

namespace loopback {

// Winsock started for the life of the object.
class WinsockSession {
public:
    WinsockSession() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~WinsockSession() {
        if (started_) WSACleanup();
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;

private:
    bool started_;
};

class Socket {
public:
    explicit Socket(SOCKET s = INVALID_SOCKET) : s_(s) {}
    ~Socket() { reset(); }
    Socket(Socket&& other) noexcept : s_(std::exchange(other.s_, INVALID_SOCKET)) {}
    Socket& operator=(Socket&& other) noexcept {
        if (this != &other) {
            reset();
            s_ = std::exchange(other.s_, INVALID_SOCKET);
        }
        return *this;
    }
    SOCKET get() const { return s_; }
    explicit operator bool() const { return s_ != INVALID_SOCKET; }
    void reset() {
        if (s_ != INVALID_SOCKET) closesocket(std::exchange(s_, INVALID_SOCKET));
    }

private:
    SOCKET s_;
};

// Owns a socket and its network event; the stop event belongs to the server.
class Channel {
public:
    Channel(Socket socket, HANDLE stop);
    ~Channel();
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    // Appends what arrives to `buffer`; false when the peer closed, on an
    // error, or when the server stops.
    bool receive(std::string& buffer);
    bool sendAll(std::string_view bytes);
    // Waits `ms`; false when the server stopped meanwhile.
    bool pause(unsigned long ms) const;
    // Reads and discards until the peer closes or the server stops.
    void drain();

private:
    bool waitForEvents();

    Socket socket_;
    HANDLE event_;
    HANDLE stop_;
};

}  // namespace loopback
