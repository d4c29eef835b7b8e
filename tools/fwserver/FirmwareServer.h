// A small HTTP/1.1 server on loopback that stands in for the firmware
// server: it serves a folder tree (the fixtures hold "zarnbluetoothmanager/"
// with the lists "Firmware", "Revisions", "x64/Software", images and an
// installer) and plays faults on demand. Tests start it in-process on a
// free port; FirmwareServer.exe runs it for the run command.
#pragma once
#include <windows.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fwserver {

struct Response;

enum class Fault {
    None,
    NotFound,   // 404 for a file that exists
    Truncated,  // announces the full Content-Length, sends half, closes
    Slow,       // waits before the reply and sends the body in small pieces
    SlowTail,   // sends the body at once but for its last tailBytes (256 KB), which go in pieces
                // of pieceBytes (4 KB) pieceMs (10 ms) apart
    HttpError,  // answers with the given status code and a short body
    // Misbehaving servers, for the client's limits and checks:
    NeverAnswer,        // reads the request and never answers
    StallAfterHeaders,  // sends the headers and then nothing
    RedirectLoop,       // answers 302 pointing back at the same path, every time
    Redirect,           // answers 302 pointing at location
    Trickle,            // sends the body one byte every delayMs
    ChunkedCut,         // a chunked body that breaks off before its last chunk
    BadStatusLine,      // a status line whose code is not a number
    NoContentWithBody,  // a 204 reply followed by the body
    GarbageHeader,      // a line among the headers that is no header
    // Replies as an HTTP/1.0 server may give them (a script behind a web
    // server, some proxies): no Content-Length, the body ended by closing.
    NoLength,     // the whole body, then the close
    NoLengthCut,  // half the body, then the close, as a connection that breaks
};

struct FaultRule {
    Fault fault = Fault::None;
    std::string pathPart;  // applies to request paths containing this text; "" = all
    int status = 500;      // for HttpError
    DWORD delayMs = 3000;  // for Slow: the wait before the reply; for Trickle: between bytes (real ms)
    std::string location;  // for Redirect
    // For SlowTail:
    size_t tailBytes = 256 * 1024;
    size_t pieceBytes = 4096;
    DWORD pieceMs = 10;  // real ms
};

// Bounds of the server: connections served at once (more are answered 503
// at once), the time a client has to send its request head, and the
// number of request paths remembered.
const int kMaxConnections = 64;
const DWORD kRequestDeadlineMs = 10000;
const size_t kMaxLoggedRequests = 1000;

class FirmwareServer {
public:
    FirmwareServer();
    ~FirmwareServer();
    FirmwareServer(const FirmwareServer&) = delete;
    FirmwareServer& operator=(const FirmwareServer&) = delete;

    // Serves the files under root (a folder holding "zarnbluetoothmanager")
    // on 127.0.0.1 only. Port 0 picks a free port. False when the socket
    // cannot be bound (the port is taken) or the server already runs.
    bool Start(const std::wstring& root, unsigned short port = 0);
    // Closes the listening socket and waits for the open connections.
    void Stop();
    bool IsRunning() const;
    unsigned short Port() const;
    // "http://127.0.0.1:<port>/zarnbluetoothmanager/"
    std::string BaseUrl() const;

    // Serves this content for a path (e.g. "/zarnbluetoothmanager/Firmware")
    // instead of the file tree.
    void PutFile(const std::string& urlPath, const std::string& content);
    void RemoveFile(const std::string& urlPath);

    // Faults: the first rule whose path part matches decides.
    void AddFault(const FaultRule& rule);
    void ClearFaults();

    // The request paths served so far, oldest first (the last
    // kMaxLoggedRequests of them).
    std::vector<std::string> Requests() const;
    // Connections being served now.
    int OpenConnections() const;
    // The time a client has to send its request head (real ms).
    void SetRequestDeadline(DWORD ms);

private:
    void Resolve(const std::string& rawPath, Response* response);

    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace fwserver
