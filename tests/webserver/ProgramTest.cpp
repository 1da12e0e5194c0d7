// The program garvex-webserver as a user starts it.
#include <gtest/gtest.h>
#include <httplib.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// A child process with its standard output and error read through one pipe.
class Program {
public:
    explicit Program(std::vector<std::string> args) {
        int fds[2];
        EXPECT_EQ(pipe(fds), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        args.insert(args.begin(), GARVEX_WEBSERVER_BIN);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        m_out = fds[0];
    }
    ~Program() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        close(m_out);
    }
    // Reads output until `text` appears or the output ends; the output read so far.
    std::string readUntil(const std::string& text) {
        char buf[512];
        while (m_text.find(text) == std::string::npos) {
            const ssize_t n = read(m_out, buf, sizeof buf);
            if (n <= 0) break;
            m_text.append(buf, static_cast<std::size_t>(n));
        }
        return m_text;
    }
    int exitCode() {
        readUntil("\x01"); // to the end of the output
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void terminate() { kill(m_pid, SIGTERM); }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_text;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        m_dir = std::filesystem::temp_directory_path() / ("garvex-prog-" + std::to_string(rd()));
        std::filesystem::create_directories(m_dir);
        m_db = (m_dir / "d.db").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
    std::string m_db;
};

int portOf(const std::string& output) {
    const std::string marker = "listening on 127.0.0.1:";
    const auto p = output.find(marker);
    return p == std::string::npos ? 0 : std::stoi(output.substr(p + marker.size()));
}

TEST_F(ProgramTest, InitDemoThenServeOnAFreePortUntilTerminated) {
    Program server({"--db", m_db, "--init-demo", "--port", "0", "--demo-vehicles", "20", "--demo-customers", "10"});
    const int port = portOf(server.readUntil("\n" "garvex-webserver: URLImages"));
    ASSERT_GT(port, 0);
    {
        httplib::Client http("127.0.0.1", port);
        auto res = http.Get("/AxInfoStruct?XMLC_OutputFormat=XML&UserConcession=MER&idClient=");
        ASSERT_TRUE(res);
        EXPECT_NE(res->body.find("<axStruct>"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::exists(m_dir / "photos"));

    // A second server on the same port says so and stops.
    Program second({"--db", m_db, "--port", std::to_string(port)});
    EXPECT_EQ(second.exitCode(), 4);
    EXPECT_NE(second.readUntil("").find("Impossible d'écouter sur 127.0.0.1:" + std::to_string(port)), std::string::npos);

    server.terminate();
    EXPECT_EQ(server.exitCode(), 0);
}

TEST_F(ProgramTest, BadDatabaseFilesAreReportedAndLeftAlone) {
    Program missing({"--db", m_db, "--port", "0"});
    EXPECT_EQ(missing.exitCode(), 3);
    EXPECT_NE(missing.readUntil("").find("introuvable"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_db)) << "a wrong path must not create a file";

    std::ofstream(m_db) << "des notes, pas une base";
    Program foreign({"--db", m_db, "--port", "0"});
    EXPECT_EQ(foreign.exitCode(), 3);
    Program overwrite({"--db", m_db, "--init-demo", "--port", "0"});
    EXPECT_EQ(overwrite.exitCode(), 5);
    std::ifstream in(m_db);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "des notes, pas une base");

    Program usage({"--port", "99999", "--db", m_db});
    EXPECT_EQ(usage.exitCode(), 2);
}

} // namespace
