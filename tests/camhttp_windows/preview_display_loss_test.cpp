// A running live preview whose X server dies: the process must end with the status the toolkit
// gives a lost display, not crash while it shuts down. Runs the helper on an Xvfb of its own
// and kills that server; skipped without Xvfb.

#include "support/private_display.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vistrel {
namespace {

struct Helper {
    pid_t pid = -1;
    int output = -1; // standard output
    int errors = -1; // standard error
};

Helper startHelper(const std::string& display) {
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        // The toolkit exits from inside its event loop with every window still alive, so a
        // sanitizer build would report those as leaks; what counts here is a crash.
        const char* asan = std::getenv("ASAN_OPTIONS");
        const std::string options = std::string(asan ? asan : "") + ":detect_leaks=0";
        setenv("ASAN_OPTIONS", options.c_str(), 1);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        execl(VISTREL_HELPER_PATH, VISTREL_HELPER_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    return {pid, out[0], err[0]};
}

// Everything the descriptor delivers within the time, until it closes.
std::string readFor(int fd, std::chrono::milliseconds limit, const std::string& until = {}) {
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (until.empty() || text.find(until) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{fd, POLLIN, 0};
        char buffer[4096];
        ssize_t n = 0;
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0 ||
            (n = read(fd, buffer, sizeof buffer)) <= 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

// The helper's wait status, or nothing when it still runs after the time (it is killed then).
std::optional<int> waitFor(pid_t pid, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return status;
}

TEST(PreviewDisplayLoss, ARunningPreviewEndsWithoutACrashWhenItsDisplayDies) {
    test::PrivateDisplay display;
    if (!display.started()) {
        GTEST_SKIP() << "needs Xvfb (package xvfb)";
    }
    const Helper helper = startHelper(display.name());
    ASSERT_GT(helper.pid, 0);
    ASSERT_NE(readFor(helper.output, std::chrono::seconds(30), "showing\n").find("showing"),
              std::string::npos)
        << readFor(helper.errors, std::chrono::milliseconds(100));
    // Pictures keep coming while the server dies.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    display.stop(SIGKILL);

    const std::optional<int> status = waitFor(helper.pid, std::chrono::seconds(30));
    const std::string errors = readFor(helper.errors, std::chrono::seconds(1));
    close(helper.output);
    close(helper.errors);
    ASSERT_TRUE(status.has_value()) << "still running 30 s after its display died";
    EXPECT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status) << "\n" << errors;
    EXPECT_EQ(WIFEXITED(*status) ? WEXITSTATUS(*status) : -1, 1) << errors;
    EXPECT_EQ(errors.find("ERROR: AddressSanitizer"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("runtime error"), std::string::npos) << errors;
}

} // namespace
} // namespace vistrel
