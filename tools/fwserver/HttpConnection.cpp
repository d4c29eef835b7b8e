#include "tools/fwserver/HttpConnection.h"
#include <cstdio>

namespace fwserver {

namespace {
const size_t kMaxHead = 16 * 1024;
const DWORD kReceiveTimeoutMs = 10000;
}  // namespace

const char* StatusText(int status) {
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Error";
    }
}

HttpConnection::HttpConnection(SOCKET socket, Resolver resolver) : socket_(socket), resolver_(std::move(resolver)) {
    DWORD timeout = kReceiveTimeoutMs;
    ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, (const char*)&timeout, sizeof timeout);
}

HttpConnection::~HttpConnection() { ::closesocket(socket_); }

bool HttpConnection::ReadHead(std::string* head) {
    char buf[1024];
    while (head->find("\r\n\r\n") == std::string::npos) {
        if (head->size() > kMaxHead) return false;
        int n = ::recv(socket_, buf, sizeof buf, 0);
        if (n <= 0) return false;
        head->append(buf, n);
    }
    return true;
}

bool HttpConnection::SendAll(const char* data, size_t size) {
    while (size > 0) {
        int n = ::send(socket_, data, (int)(size > 65536 ? 65536 : size), 0);
        if (n <= 0) return false;
        data += n;
        size -= n;
    }
    return true;
}

void HttpConnection::Serve() {
    std::string head;
    if (!ReadHead(&head)) return;
    std::string line = head.substr(0, head.find("\r\n"));
    size_t sp1 = line.find(' ');
    size_t sp2 = line.find(' ', sp1 == std::string::npos ? 0 : sp1 + 1);
    Response response;
    bool headOnly = false;
    if (sp1 == std::string::npos || sp2 == std::string::npos || line.compare(sp2 + 1, 5, "HTTP/") != 0) {
        response.status = 400;
    } else {
        std::string method = line.substr(0, sp1);
        headOnly = method == "HEAD";
        if (method != "GET" && !headOnly) response.status = 405;
        else resolver_(line.substr(sp1 + 1, sp2 - sp1 - 1), &response);
    }
    if (response.status != 200 && response.body.empty())
        response.body = std::to_string(response.status) + " " + StatusText(response.status) + "\r\n";

    if (response.fault == Fault::Slow) ::Sleep(response.delayMs);
    char header[256];
    int n = std::snprintf(header, sizeof header,
                          "HTTP/1.1 %d %s\r\nContent-Type: application/octet-stream\r\n"
                          "Content-Length: %u\r\nConnection: close\r\n\r\n",
                          response.status, StatusText(response.status), (unsigned)response.body.size());
    if (!SendAll(header, n) || headOnly) return;
    const std::string& body = response.body;
    if (response.fault == Fault::Truncated) {
        SendAll(body.data(), body.size() / 2);
        return;  // the announced length is never reached
    }
    if (response.fault == Fault::Slow) {
        // Small pieces with pauses, as over a poor line.
        for (size_t at = 0; at < body.size(); at += 512) {
            if (!SendAll(body.data() + at, body.size() - at < 512 ? body.size() - at : 512)) return;
            ::Sleep(10);
        }
        ::shutdown(socket_, SD_SEND);
        return;
    }
    SendAll(body.data(), body.size());
    ::shutdown(socket_, SD_SEND);
}

}  // namespace fwserver
