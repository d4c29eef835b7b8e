#include "tools/fwserver/HttpConnection.h"
#include <cstdio>

namespace fwserver {

namespace {
const size_t kMaxHead = 16 * 1024;
const DWORD kSendTimeoutMs = 10000;
const DWORD kWaitSliceMs = 20;
}  // namespace

const char* StatusText(int status) {
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Error";
    }
}

HttpConnection::HttpConnection(SOCKET socket, Resolver resolver, const std::atomic<bool>* stopping,
                               DWORD headDeadlineMs)
    : socket_(socket), resolver_(std::move(resolver)), stopping_(stopping), headDeadlineMs_(headDeadlineMs) {
    DWORD timeout = kSendTimeoutMs;
    ::setsockopt(socket_, SOL_SOCKET, SO_SNDTIMEO, (const char*)&timeout, sizeof timeout);
}

HttpConnection::~HttpConnection() { ::closesocket(socket_); }

// The whole head must arrive before the deadline, however the client
// spreads its bytes: a client sending one byte now and then is dropped.
bool HttpConnection::ReadHead(std::string* head) {
    const ULONGLONG deadline = ::GetTickCount64() + headDeadlineMs_;
    char buf[1024];
    while (head->find("\r\n\r\n") == std::string::npos) {
        if (head->size() > kMaxHead) return false;
        ULONGLONG now = ::GetTickCount64();
        if (now >= deadline || (stopping_ && *stopping_)) return false;
        ULONGLONG left = deadline - now;
        if (left > kWaitSliceMs * 5) left = kWaitSliceMs * 5;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket_, &readable);
        timeval tv = {0, (long)left * 1000};
        int ready = ::select(0, &readable, nullptr, nullptr, &tv);
        if (ready < 0) return false;
        if (ready == 0) continue;
        int n = ::recv(socket_, buf, sizeof buf, 0);
        if (n <= 0) return false;
        head->append(buf, n);
    }
    return true;
}

bool HttpConnection::SendAll(const char* data, size_t size) {
    while (size > 0) {
        if (stopping_ && *stopping_) return false;
        int n = ::send(socket_, data, (int)(size > 65536 ? 65536 : size), 0);
        if (n <= 0) return false;
        data += n;
        size -= n;
    }
    return true;
}

bool HttpConnection::Wait(DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    for (;;) {
        if (stopping_ && *stopping_) return false;
        ULONGLONG now = ::GetTickCount64();
        if (now >= end) return true;
        ULONGLONG left = end - now;
        if (left > kWaitSliceMs) left = kWaitSliceMs;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket_, &readable);
        timeval tv = {0, (long)left * 1000};
        int ready = ::select(0, &readable, nullptr, nullptr, &tv);
        if (ready < 0) return false;
        if (ready > 0) {
            // Anything readable now is the client closing (or sending what
            // it should not): either way the wait is over.
            char c;
            if (::recv(socket_, &c, 1, MSG_PEEK) <= 0) return false;
            char drain[256];
            ::recv(socket_, drain, sizeof drain, 0);
        }
    }
}

void HttpConnection::SendFaulty(const Response& response, const std::string& path) {
    const std::string& body = response.body;
    const std::string length = std::to_string(body.size());
    switch (response.fault) {
    case Fault::NeverAnswer:
        while (Wait(1000)) {}
        return;
    case Fault::StallAfterHeaders:
        if (!SendText("HTTP/1.1 200 OK\r\nContent-Length: " + length + "\r\nConnection: close\r\n\r\n")) return;
        while (Wait(1000)) {}
        return;
    case Fault::RedirectLoop:
    case Fault::Redirect:
        SendText("HTTP/1.1 302 Found\r\nLocation: " + (response.fault == Fault::Redirect ? response.location : path) +
                 "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        break;
    case Fault::Trickle:
        if (!SendText("HTTP/1.1 200 OK\r\nContent-Length: " + length + "\r\nConnection: close\r\n\r\n")) return;
        for (size_t at = 0; at < body.size(); ++at)
            if (!SendAll(body.data() + at, 1) || !Wait(response.delayMs)) return;
        break;
    case Fault::ChunkedCut: {
        if (!SendText("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n")) return;
        // The first half in chunks of 256 bytes, then the connection ends
        // without the last (empty) chunk.
        for (size_t at = 0; at < body.size() / 2; at += 256) {
            size_t n = body.size() / 2 - at < 256 ? body.size() / 2 - at : 256;
            char size[16];
            std::snprintf(size, sizeof size, "%x\r\n", (unsigned)n);
            if (!SendText(size) || !SendAll(body.data() + at, n) || !SendText("\r\n")) return;
        }
        break;
    }
    case Fault::BadStatusLine:
        SendText("HTTP/1.1 2OO OK\r\nContent-Length: " + length + "\r\nConnection: close\r\n\r\n" + body);
        break;
    case Fault::NoContentWithBody:
        SendText("HTTP/1.1 204 No Content\r\nContent-Length: " + length + "\r\nConnection: close\r\n\r\n" + body);
        break;
    case Fault::GarbageHeader:
        SendText("HTTP/1.1 200 OK\r\n\x01\x7f garbage \xff: \x02\x03\r\nContent-Length: " + length +
                 "\r\nConnection: close\r\n\r\n" + body);
        break;
    case Fault::NoLength:
    case Fault::NoLengthCut: {
        const size_t sent = response.fault == Fault::NoLengthCut ? body.size() / 2 : body.size();
        if (!SendText("HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n")) return;
        if (!SendAll(body.data(), sent)) return;
        break;
    }
    default:
        return;
    }
    ::shutdown(socket_, SD_SEND);
}

void HttpConnection::Serve() {
    std::string head;
    if (!ReadHead(&head)) {
        // Too slow or too long: say so (briefly) and hang up.
        if (head.size() > kMaxHead || !head.empty()) SendText("HTTP/1.1 408 Request Timeout\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return;
    }
    std::string line = head.substr(0, head.find("\r\n"));
    size_t sp1 = line.find(' ');
    size_t sp2 = line.find(' ', sp1 == std::string::npos ? 0 : sp1 + 1);
    Response response;
    bool headOnly = false;
    std::string path;
    if (sp1 == std::string::npos || sp2 == std::string::npos || line.compare(sp2 + 1, 5, "HTTP/") != 0) {
        response.status = 400;
    } else {
        std::string method = line.substr(0, sp1);
        headOnly = method == "HEAD";
        path = line.substr(sp1 + 1, sp2 - sp1 - 1);
        if (method != "GET" && !headOnly) response.status = 405;
        else resolver_(path, &response);
    }
    if (response.status != 200 && response.body.empty())
        response.body = std::to_string(response.status) + " " + StatusText(response.status) + "\r\n";

    switch (response.fault) {
    case Fault::None:
    case Fault::NotFound:
    case Fault::HttpError:
    case Fault::Truncated:
    case Fault::Slow:
    case Fault::SlowTail:
        break;
    default:
        if (response.status == 200) {
            SendFaulty(response, path);
            return;
        }
    }

    if (response.fault == Fault::Slow && !Wait(response.delayMs)) return;
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
    if (response.fault == Fault::Slow || response.fault == Fault::SlowTail) {
        // Small pieces with pauses, as over a poor line (for a slow tail:
        // after a fast start).
        size_t from = 0, piece = 512;
        DWORD pause = 10;
        if (response.fault == Fault::SlowTail) {
            from = body.size() > response.tailBytes ? body.size() - response.tailBytes : 0;
            piece = response.pieceBytes ? response.pieceBytes : 4096;
            pause = response.pieceMs;
            if (!SendAll(body.data(), from)) return;
        }
        for (size_t at = from; at < body.size(); at += piece) {
            if (!SendAll(body.data() + at, body.size() - at < piece ? body.size() - at : piece)) return;
            ::Sleep(pause);
        }
        ::shutdown(socket_, SD_SEND);
        return;
    }
    SendAll(body.data(), body.size());
    ::shutdown(socket_, SD_SEND);
}

}  // namespace fwserver
