#pragma once
// The HTTP transport under the request client: libcurl's multi interface driven from the calling
// thread, pumping the window's events between polls, with cookies kept for the life of the
// session and an optional read time-out (no data for that long fails the transfer).
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace server {

struct MultipartForm;

class CurlSession {
public:
    struct Result {
        bool ok = false;
        QByteArray body;
        QString error; // French text, when not ok
    };

    explicit CurlSession(std::function<void()> pump);
    ~CurlSession();
    CurlSession(const CurlSession&) = delete;
    CurlSession& operator=(const CurlSession&) = delete;

    void SetProxy(const QString& host, int port);
    void DropConnection();

    // 0 = no read time-out. A null form sends GET with the content type "text/html".
    Result Perform(const QByteArray& url, const MultipartForm* form, int readTimeoutMs);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace server
