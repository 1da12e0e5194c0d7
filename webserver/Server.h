#pragma once
// The dealership web server, for the program garvex-webserver and for tests that start it
// in-process on an ephemeral loopback port.
#include "webserver/ClientSql.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace webserver {

// The server could not start; what() is a French message for the console.
struct StartError : std::runtime_error {
    enum class Cause { Database, Listen };
    StartError(Cause c, const std::string& message) : std::runtime_error(message), cause(c) {}
    Cause cause;
};

struct ServerOptions {
    std::string dbPath;
    std::string photosDir;
    std::string bindAddress = "127.0.0.1";
    int port = 0; // 0: a free port chosen by the system
    SqlLimits limits;
    std::chrono::milliseconds busyTimeout{2000}; // a writer waits this long for another one
    std::size_t threads = 64;                    // one per open keep-alive connection
    // Called on the server's threads with each script request (its name and decoded parameters)
    // before it runs: an operator's log, or a test watching what the client sends.
    std::function<void(const std::string& script, const std::map<std::string, std::string>& params)>
        onRequest;
};

// The path under which the photo files are served: URLImages is the server root + this.
inline constexpr const char* kPhotoPath = "/voimages/";

class Server {
public:
    Server();
    ~Server(); // stops
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Opens the database, binds and starts answering; returns the bound port.
    int start(const std::string& dbPath, const std::string& photosDir,
              const std::string& bindAddress = "127.0.0.1", int port = 0);
    int start(const ServerOptions& options);
    // Waits for the requests under way; an idle keep-alive connection still open holds it up to
    // 5 s, so clients close theirs first (the client's Requests::DropConnection).
    void stop();
    int port() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace webserver
