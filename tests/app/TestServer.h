#pragma once
// A real HTTP server on 127.0.0.1 for the client's tests: it records every request target and
// answers from a function the test may replace. The default answers are a small record of the
// demo dealership and its reference documents.
#include <QString>
#include <chrono>
#include <functional>
#include <httplib.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TestServer {
public:
    using Answer = std::function<std::string(const std::string& target)>;

    TestServer() {
        m_server.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            Answer answer;
            {
                std::lock_guard lock(m_mutex);
                m_targets.push_back(req.target);
                answer = m_answer;
            }
            res.set_content(answer ? answer(req.target) : DefaultAnswer(req.target), "text/xml");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~TestServer() {
        m_server.stop();
        m_thread.join();
    }

    QString Base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_port); }
    int Port() const { return m_port; }

    void SetAnswer(Answer answer) {
        std::lock_guard lock(m_mutex);
        m_answer = std::move(answer);
    }
    std::vector<std::string> Targets() const {
        std::lock_guard lock(m_mutex);
        return m_targets;
    }
    // Requests whose target contains `part`.
    int Count(const std::string& part) const {
        int n = 0;
        for (const std::string& t : Targets())
            n += t.find(part) != std::string::npos;
        return n;
    }
    // Waits (without pumping events: for requests of another process) until Count(part) >= n.
    bool WaitFor(const std::string& part, int n, int timeoutMs) const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Count(part) < n) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    static std::string DefaultAnswer(const std::string& target) {
        if (target.find("AxInfoVO") != std::string::npos)
            return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><document><User><UserConcession>MERISCA"
                   "</UserConcession><Name_>Martin</Name_></User><GNames><GName>USER_SVO</GName></GNames>"
                   "<tVO><idtVO>12</idtVO><TypeVO>1</TypeVO></tVO></document>";
        return "<?xml version=\"1.0\" "
               "encoding=\"ISO-8859-1\"?><document><Concession>MERISCA</Concession></document>";
    }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_targets;
    Answer m_answer;
};
