// rawExchange: connect, send, read to the end (see raw_client.h).
#include "tools/loopback/raw_client.h"

#include <winsock2.h>

#include "tools/loopback/socket_channel.h"

namespace loopback {

RawReply rawExchange(unsigned short port, std::string_view request, unsigned long timeoutMs) {
    const WinsockSession winsock;
    RawReply reply;
    const Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    const DWORD timeout = timeoutMs;
    setsockopt(s.get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (connect(s.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return reply;
    reply.connected = true;
    if (send(s.get(), request.data(), static_cast<int>(request.size()), 0) != static_cast<int>(request.size()))
        return reply;
    char chunk[65536];
    for (int got; (got = recv(s.get(), chunk, sizeof chunk, 0)) > 0;) reply.bytes.append(chunk, got);
    return reply;
}

std::string rawGetRequest(std::string_view path, unsigned short port) {
    return "GET " + std::string(path) + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
           "\r\nConnection: close\r\n\r\n";
}

}  // namespace loopback
