#include "tools/fwserver/FirmwareServer.h"
#include "tools/fwserver/HttpConnection.h"
#include <winsock2.h>
#include <ws2tcpip.h>
#include <atomic>
#include <deque>
#include <mutex>
#include <thread>

#include "tools/fwserver/TreeFiles.h"

namespace fwserver {

struct FirmwareServer::State {
    mutable std::mutex lock;
    std::wstring root;
    SOCKET listener = INVALID_SOCKET;
    unsigned short port = 0;
    std::thread acceptor;
    struct Connection {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<Connection> connections;
    std::atomic<bool> running{false};
    std::atomic<bool> stopping{false};
    std::atomic<DWORD> requestDeadlineMs{kRequestDeadlineMs};
    std::map<std::string, std::string> files;
    std::vector<FaultRule> faults;
    std::deque<std::string> requests;
    bool wsaStarted = false;
};

FirmwareServer::FirmwareServer() : state_(new State) {}

FirmwareServer::~FirmwareServer() { Stop(); }

bool FirmwareServer::Start(const std::wstring& root, unsigned short port) {
    State& s = *state_;
    if (s.running) return false;
    if (!s.wsaStarted) {
        WSADATA wsa;
        if (::WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return false;
        s.wsaStarted = true;
    }
    SOCKET sock = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (sock == INVALID_SOCKET) return false;
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port);
    // Exclusive use: a second server on the same port must fail, not share it.
    BOOL exclusive = TRUE;
    ::setsockopt(sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, (const char*)&exclusive, sizeof exclusive);
    int len = sizeof addr;
    if (::bind(sock, (sockaddr*)&addr, sizeof addr) != 0 || ::listen(sock, SOMAXCONN) != 0 ||
        ::getsockname(sock, (sockaddr*)&addr, &len) != 0) {
        ::closesocket(sock);
        return false;
    }
    s.root = root;
    while (!s.root.empty() && (s.root.back() == L'\\' || s.root.back() == L'/')) s.root.pop_back();
    s.listener = sock;
    s.port = ntohs(addr.sin_port);
    s.stopping = false;
    s.running = true;
    s.acceptor = std::thread([this] {
        State& st = *state_;
        for (;;) {
            SOCKET client = ::accept(st.listener, nullptr, nullptr);
            if (client == INVALID_SOCKET) break;  // closed by Stop
            std::lock_guard<std::mutex> hold(st.lock);
            // Join the connections that have ended, so a long run keeps no
            // finished threads.
            for (auto it = st.connections.begin(); it != st.connections.end();) {
                if (*it->done) {
                    it->thread.join();
                    it = st.connections.erase(it);
                } else {
                    ++it;
                }
            }
            if ((int)st.connections.size() >= kMaxConnections) {
                // Full: a short refusal instead of one more thread.
                static const char kBusy[] =
                    "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
                ::send(client, kBusy, sizeof kBusy - 1, 0);
                ::shutdown(client, SD_SEND);
                ::closesocket(client);
                continue;
            }
            auto done = std::make_shared<std::atomic<bool>>(false);
            const DWORD deadline = st.requestDeadlineMs;
            st.connections.push_back({std::thread([this, client, done, deadline] {
                                          HttpConnection connection(
                                              client,
                                              [this](const std::string& path, Response* response) {
                                                  Resolve(path, response);
                                              },
                                              &state_->stopping, deadline);
                                          connection.Serve();
                                          *done = true;
                                      }),
                                      done});
        }
    });
    return true;
}

void FirmwareServer::Stop() {
    State& s = *state_;
    if (!s.running) return;
    s.running = false;
    s.stopping = true;
    ::closesocket(s.listener);
    s.listener = INVALID_SOCKET;
    if (s.acceptor.joinable()) s.acceptor.join();
    std::vector<State::Connection> open;
    {
        std::lock_guard<std::mutex> hold(s.lock);
        open.swap(s.connections);
    }
    for (auto& c : open) c.thread.join();
}

void FirmwareServer::Resolve(const std::string& rawPath, Response* response) {
    State& s = *state_;
    std::string path;
    FaultRule fault;
    std::wstring root;
    {
        std::lock_guard<std::mutex> hold(s.lock);
        s.requests.push_back(rawPath);
        while (s.requests.size() > kMaxLoggedRequests) s.requests.pop_front();
        if (!SafeUrlPath(rawPath, &path)) {
            response->status = 400;
            return;
        }
        for (const FaultRule& rule : s.faults)
            if (path.find(rule.pathPart) != std::string::npos) {
                fault = rule;
                break;
            }
        auto it = s.files.find(path);
        if (it != s.files.end()) {
            response->body = it->second;
            path.clear();
        }
        root = s.root;
    }
    if (fault.fault == Fault::NotFound) {
        response->status = 404;
        response->body.clear();
        return;
    }
    if (fault.fault == Fault::HttpError) {
        response->status = fault.status;
        response->body.clear();
        return;
    }
    if (!path.empty() && !ReadTreeFile(root, path, &response->body)) {
        response->status = 404;
        return;
    }
    response->fault = fault.fault;
    response->delayMs = fault.delayMs;
    response->location = fault.location;
    response->tailBytes = fault.tailBytes;
    response->pieceBytes = fault.pieceBytes;
    response->pieceMs = fault.pieceMs;
}

bool FirmwareServer::IsRunning() const { return state_->running; }
unsigned short FirmwareServer::Port() const { return state_->port; }

std::string FirmwareServer::BaseUrl() const {
    return "http://127.0.0.1:" + std::to_string(state_->port) + "/zarnbluetoothmanager/";
}

void FirmwareServer::PutFile(const std::string& urlPath, const std::string& content) {
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->files[urlPath] = content;
}

void FirmwareServer::RemoveFile(const std::string& urlPath) {
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->files.erase(urlPath);
}

void FirmwareServer::AddFault(const FaultRule& rule) {
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->faults.push_back(rule);
}

void FirmwareServer::ClearFaults() {
    std::lock_guard<std::mutex> hold(state_->lock);
    state_->faults.clear();
}

std::vector<std::string> FirmwareServer::Requests() const {
    std::lock_guard<std::mutex> hold(state_->lock);
    return std::vector<std::string>(state_->requests.begin(), state_->requests.end());
}

int FirmwareServer::OpenConnections() const {
    std::lock_guard<std::mutex> hold(state_->lock);
    int open = 0;
    for (const auto& c : state_->connections) open += !*c.done;
    return open;
}

void FirmwareServer::SetRequestDeadline(DWORD ms) { state_->requestDeadlineMs = ms; }

}  // namespace fwserver
