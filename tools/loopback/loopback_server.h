#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests and the demo site. It runs
// inside the caller's process, answers every request through a handler that
// scripts the response (status, headers, body, chunking, a delay, a dropped
// or a never-answered connection), and records every request it received so
// a test can assert exactly what a client sent.
//
// Each connection is served on its own thread, so a stalled connection does not
// hold up the next one; the handler must therefore be safe to call from several
// threads at once. Stopping (or destroying) the server ends every connection,
// stalled ones included, and joins all threads.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace loopback {

struct Header {
    std::string name;
    std::string value;
};

struct Request {
    std::string method;
    std::string target;  // path and query, exactly as in the request line
    std::string version;
    std::vector<Header> headers;  // in the order received, names and values as sent
    std::string head;             // the raw request line and header lines, without the blank line
    std::string body;

    // The first header of that name (letter case ignored); empty when absent.
    std::string header(std::string_view name) const;
    bool hasHeader(std::string_view name) const;
};

enum class Behaviour {
    answer,        // send the response
    drop,          // close the connection without sending a byte
    stall,         // keep the connection open and never answer
    dropMidBody,   // send the head and half the body, then close
    stallMidBody,  // send the head and half the body, then nothing more
};

struct Response {
    int status = 200;
    std::string reason = "OK";
    // Sent in this order, byte for byte. Content-Length (or Transfer-Encoding:
    // chunked) is added unless the handler gives one itself.
    std::vector<Header> headers;
    std::string body;
    bool chunked = false;
    size_t chunkSize = 4096;
    unsigned long delayMs = 0;  // waited before anything is sent
    Behaviour behaviour = Behaviour::answer;
    bool closeAfter = false;    // end the connection after this response

    static Response text(std::string body, std::string contentType = "text/html; charset=utf-8");
};

using Handler = std::function<Response(const Request&)>;

// Header names compare without regard to letter case.
bool sameHeaderName(std::string_view a, std::string_view b);

class LoopbackServer {
public:
    // Listens on 127.0.0.1 at `port`, or at a free port the system picks when 0.
    explicit LoopbackServer(Handler handler, unsigned short port = 0);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    bool listening() const;
    unsigned short port() const;
    // "http://127.0.0.1:<port>" followed by `path`.
    std::string url(std::string_view path = "/") const;
    // "127.0.0.1:<port>", a bare host as the search routines take it.
    std::string hostAndPort() const;

    std::vector<Request> requests() const;
    size_t requestCount() const;
    // Waits until `count` requests have arrived; false after `timeoutMs`.
    bool waitForRequests(size_t count, unsigned long timeoutMs) const;

    // Ends every connection and joins every thread; the destructor calls it.
    void stop();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace loopback
