// The picture stream and the pan/tilt request against a real web server: lighttpd, started
// here with a generated configuration on a test address, serves a multipart picture stream at
// /snapshot.cgi and takes the pan/tilt POST, behind Basic and again behind Digest
// authentication. Real servers refuse what our test camera lets pass (a request without Host,
// a POST without Content-Length). Runs inside the private network namespace of scripts/netns.

#include "camhttp/pan_tilt_request.h"
#include "camhttp/picture_stream.h"
#include "support/private_network.h"

#include <arpa/inet.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace vistrel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::uint16_t kPort = 8880;
const std::string kPassword = "Lounge-7";

std::string lighttpdPath() {
    for (const char* path :
         {"/usr/sbin/lighttpd", "/usr/local/sbin/lighttpd", "/usr/bin/lighttpd"}) {
        if (access(path, X_OK) == 0) {
            return path;
        }
    }
    return {};
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Pictures that look like JPEG data to the stream: markers at both ends, noise between.
std::vector<std::string> pictures() {
    std::mt19937 random(11);
    std::vector<std::string> list;
    for (const std::size_t size : {1200u, 45000u, 300000u}) {
        std::string picture(size, '\0');
        for (char& c : picture) {
            c = static_cast<char>(random());
        }
        picture.replace(0, 2, "\xff\xd8");
        picture.replace(size - 2, 2, "\xff\xd9");
        list.push_back(std::move(picture));
    }
    return list;
}

// A CGI that sends the pictures as a multipart stream, each part with its Content-Length.
const char* kSnapshotScript =
    R"sh(printf 'Content-Type: multipart/x-mixed-replace; boundary=frame\r\n\r\n'
for picture in picture-0 picture-1 picture-2; do
    printf -- '--frame\r\nContent-Type: image/jpeg\r\nContent-Length: %s\r\n\r\n' "$(wc -c < "$picture")"
    cat "$picture"
    printf '\r\n'
done
)sh";

// A CGI that notes the direction asked for and answers 200.
const char* kPanTiltScript = R"sh(printf '%s\n' "$QUERY_STRING" >> "$DOCUMENT_ROOT/../moves"
printf 'Status: 200 OK\r\nContent-Type: text/plain\r\n\r\nmoved\n'
)sh";

class Lighttpd {
public:
    Lighttpd(const std::string& method, const std::string& address) : address_(address) {
        char pattern[] = "/tmp/vistrel-lighttpd-XXXXXX";
        directory_ = mkdtemp(pattern);
        const fs::path www = directory_ / "www";
        fs::create_directories(www / "camera-cgi/com");
        for (std::size_t i = 0; i < pictures().size(); ++i) {
            writeFile(www / ("picture-" + std::to_string(i)), pictures()[i]);
        }
        writeFile(www / "snapshot.cgi", kSnapshotScript);
        writeFile(www / "camera-cgi/com/ptz.cgi", kPanTiltScript);
        writeFile(directory_ / "users", "admin:" + kPassword + "\n");
        writeFile(directory_ / "lighttpd.conf", configuration(method));
        start();
    }
    ~Lighttpd() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    Lighttpd(const Lighttpd&) = delete;
    Lighttpd& operator=(const Lighttpd&) = delete;

    // Waits until the server takes connections.
    bool ready() const {
        for (int attempt = 0; attempt < 100 && pid_ > 0; ++attempt) {
            const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_in server{};
            server.sin_family = AF_INET;
            server.sin_port = htons(kPort);
            inet_pton(AF_INET, address_.c_str(), &server.sin_addr);
            const bool connected =
                connect(probe, reinterpret_cast<sockaddr*>(&server), sizeof server) == 0;
            close(probe);
            if (connected) {
                return true;
            }
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }

    std::string moves() const { return readFile(directory_ / "moves"); }
    std::string errorLog() const { return readFile(directory_ / "error.log"); }

private:
    std::string configuration(const std::string& method) const {
        const std::string root = directory_.string();
        std::ostringstream text;
        text << "server.document-root = \"" << root << "/www\"\n"
             << "server.bind = \"" << address_ << "\"\n"
             << "server.port = " << kPort << "\n"
             << "server.errorlog = \"" << root << "/error.log\"\n"
             << "server.modules = (\"mod_auth\", \"mod_authn_file\", \"mod_cgi\")\n"
             << "cgi.assign = (\".cgi\" => \"/bin/sh\")\n"
             << "auth.backend = \"plain\"\n"
             << "auth.backend.plain.userfile = \"" << root << "/users\"\n"
             << "auth.require = (\"/\" => (\"method\" => \"" << method
             << "\", \"realm\" => \"Vistrel camera\", \"require\" => \"valid-user\"))\n";
        return text.str();
    }

    void start() {
        const std::string program = lighttpdPath();
        const std::string config = (directory_ / "lighttpd.conf").string();
        const char* arguments[] = {program.c_str(), "-D", "-f", config.c_str(), nullptr};
        if (posix_spawn(&pid_, program.c_str(), nullptr, nullptr,
                        const_cast<char* const*>(arguments), environ) != 0) {
            pid_ = -1;
        }
    }

    fs::path directory_;
    std::string address_;
    pid_t pid_ = -1;
};

void expectStreamAndPanTilt(const std::string& method, const std::string& address) {
    if (lighttpdPath().empty()) {
        GTEST_SKIP() << "lighttpd is not installed (Debian package lighttpd; scripts/test "
                        "installs it)";
    }
    Lighttpd server(method, address);
    ASSERT_TRUE(server.ready()) << server.errorLog();

    PictureStream stream;
    ASSERT_EQ(stream.open({address, kPort, kPassword}), StreamOpening::Opened)
        << "status " << stream.lastStatusCode() << "\n"
        << server.errorLog();
    std::vector<std::uint8_t> picture;
    for (const std::string& expected : pictures()) {
        ASSERT_EQ(stream.readFrame(picture), FrameStatus::Picture);
        EXPECT_TRUE(std::string(picture.begin(), picture.end()) == expected)
            << "a picture of " << picture.size() << " bytes differs";
    }

    const PanTiltResult moved = sendPanTilt({address, kPort, kPassword}, "upright");
    EXPECT_EQ(moved.outcome, PanTiltOutcome::Accepted) << describePanTilt(moved);
    EXPECT_EQ(server.moves(), "move=upright\n");

    PictureStream wrong;
    EXPECT_EQ(wrong.open({address, kPort, "not-it"}), StreamOpening::Refused);
    const PanTiltResult refused = sendPanTilt({address, kPort, "not-it"}, "down");
    EXPECT_EQ(refused.outcome, PanTiltOutcome::Refused);
    EXPECT_EQ(refused.statusCode, 401);
}

class LighttpdInterop : public ::testing::Test {
protected:
    void SetUp() override { VISTREL_REQUIRE_PRIVATE_NETWORK(); }
};

TEST_F(LighttpdInterop, PicturesAndPanTiltBehindBasic) {
    expectStreamAndPanTilt("basic", "127.0.0.201");
}

TEST_F(LighttpdInterop, PicturesAndPanTiltBehindDigest) {
    expectStreamAndPanTilt("digest", "127.0.0.202");
}

} // namespace
} // namespace vistrel
