// One HTTP/1.1 connection of the firmware server: reads a request, asks the
// server for the answer and sends it (or plays the answer's fault).
#pragma once
#include "tools/fwserver/FirmwareServer.h"
#include <winsock2.h>
#include <atomic>
#include <functional>

namespace fwserver {

struct Response {
    int status = 200;
    std::string body;
    Fault fault = Fault::None;  // the faults that change how the reply goes out
    DWORD delayMs = 0;
    std::string location;       // for a redirect
    size_t tailBytes = 0, pieceBytes = 0;  // for a slow tail
    DWORD pieceMs = 0;
};

class HttpConnection {
public:
    // The resolver gets the raw request path (as on the request line).
    typedef std::function<void(const std::string& path, Response* response)> Resolver;

    // stopping is set when the server stops: every wait ends then. The
    // request head must have arrived within headDeadlineMs.
    HttpConnection(SOCKET socket, Resolver resolver, const std::atomic<bool>* stopping, DWORD headDeadlineMs);
    ~HttpConnection();
    // Handles one request and closes the connection.
    void Serve();

private:
    bool ReadHead(std::string* head);
    bool SendAll(const char* data, size_t size);
    bool SendText(const std::string& text) { return SendAll(text.data(), text.size()); }
    // Waits up to ms; false when the server stops or the client has gone.
    bool Wait(DWORD ms);
    void SendFaulty(const Response& response, const std::string& path);

    SOCKET socket_;
    Resolver resolver_;
    const std::atomic<bool>* stopping_;
    DWORD headDeadlineMs_;
};

const char* StatusText(int status);

}  // namespace fwserver
