// One HTTP/1.1 connection of the firmware server: reads a request, asks the
// server for the answer and sends it (or plays the answer's fault).
#pragma once
#include "tools/fwserver/FirmwareServer.h"
#include <winsock2.h>
#include <functional>

namespace fwserver {

struct Response {
    int status = 200;
    std::string body;
    Fault fault = Fault::None;  // Truncated or Slow change how the body goes out
    DWORD delayMs = 0;
};

class HttpConnection {
public:
    // The resolver gets the raw request path (as on the request line).
    typedef std::function<void(const std::string& path, Response* response)> Resolver;

    HttpConnection(SOCKET socket, Resolver resolver);
    ~HttpConnection();
    // Handles one request and closes the connection.
    void Serve();

private:
    bool ReadHead(std::string* head);
    bool SendAll(const char* data, size_t size);

    SOCKET socket_;
    Resolver resolver_;
};

const char* StatusText(int status);

}  // namespace fwserver
