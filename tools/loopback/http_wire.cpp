// Reading requests and writing responses for the loopback server.
#include "tools/loopback/http_wire.h"

#include <charconv>
#include <cstdio>

namespace loopback {
namespace {

constexpr size_t kMaxHead = 1 << 20;

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// "METHOD target version"; false when the line has another shape.
bool parseRequestLine(std::string_view line, Request& request) {
    const size_t first = line.find(' '), last = line.rfind(' ');
    if (first == std::string_view::npos || first == last) return false;
    request.method = line.substr(0, first);
    request.target = line.substr(first + 1, last - first - 1);
    request.version = line.substr(last + 1);
    return true;
}

bool parseHead(std::string_view head, Request& request) {
    size_t lineEnd = head.find("\r\n");
    if (!parseRequestLine(head.substr(0, lineEnd), request)) return false;
    while (lineEnd != std::string_view::npos) {
        const size_t start = lineEnd + 2;
        lineEnd = head.find("\r\n", start);
        const std::string_view line = head.substr(start, lineEnd == std::string_view::npos ? lineEnd : lineEnd - start);
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        request.headers.push_back({std::string(line.substr(0, colon)), std::string(trimmed(line.substr(colon + 1)))});
    }
    return true;
}

size_t contentLength(const Request& request) {
    const std::string text = request.header("Content-Length");
    size_t length = 0;
    std::from_chars(text.data(), text.data() + text.size(), length);
    return length;
}

bool hasHeader(const Response& response, std::string_view name) {
    for (const Header& header : response.headers) {
        if (sameHeaderName(header.name, name)) return true;
    }
    return false;
}

std::string chunked(std::string_view body, size_t chunkSize) {
    std::string out;
    for (size_t at = 0; at < body.size(); at += chunkSize) {
        const std::string_view piece = body.substr(at, chunkSize);
        char size[20];
        std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
        out.append(size).append(piece).append("\r\n");
    }
    return out + "0\r\n\r\n";
}

}  // namespace

bool sameHeaderName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowered(a[i]) != lowered(b[i])) return false;
    }
    return true;
}

std::string Request::header(std::string_view name) const {
    for (const Header& h : headers) {
        if (sameHeaderName(h.name, name)) return h.value;
    }
    return {};
}

bool Request::hasHeader(std::string_view name) const {
    for (const Header& h : headers) {
        if (sameHeaderName(h.name, name)) return true;
    }
    return false;
}

Response Response::text(std::string body, std::string contentType) {
    Response response;
    response.headers.push_back({"Content-Type", std::move(contentType)});
    response.body = std::move(body);
    return response;
}

std::optional<Request> readRequest(Channel& channel, std::string& pending) {
    size_t headEnd;
    while ((headEnd = pending.find("\r\n\r\n")) == std::string::npos) {
        if (pending.size() > kMaxHead || !channel.receive(pending)) return std::nullopt;
    }
    Request request;
    request.head = pending.substr(0, headEnd);
    pending.erase(0, headEnd + 4);
    if (!parseHead(request.head, request)) return std::nullopt;
    const size_t length = contentLength(request);
    while (pending.size() < length) {
        if (!channel.receive(pending)) return std::nullopt;
    }
    request.body = pending.substr(0, length);
    pending.erase(0, length);
    return request;
}

std::string formatResponse(const Response& response, bool toHead) {
    std::string out = "HTTP/1.1 " + std::to_string(response.status) + " " + response.reason + "\r\n";
    for (const Header& header : response.headers) out += header.name + ": " + header.value + "\r\n";
    if (response.chunked && !hasHeader(response, "Transfer-Encoding")) out += "Transfer-Encoding: chunked\r\n";
    if (!response.chunked && !hasHeader(response, "Content-Length"))
        out += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    if (response.closeAfter && !hasHeader(response, "Connection")) out += "Connection: close\r\n";
    out += "\r\n";
    if (toHead) return out;
    return out + (response.chunked ? chunked(response.body, std::max<size_t>(response.chunkSize, 1)) : response.body);
}

}  // namespace loopback
