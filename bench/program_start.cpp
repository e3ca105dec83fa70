#include "program_start.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sched.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vistrel::bench {

namespace {

constexpr int kStartLimitMs = 30000;

// The resident size from /proc, in MiB; 0 when the process is gone.
double residentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024;
        }
    }
    return 0;
}

pid_t launch(const Program& program, const std::string& display, const std::string& runtimeDir,
             int networkNamespace) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (networkNamespace >= 0 && setns(networkNamespace, CLONE_NEWNET) != 0) {
            _exit(127);
        }
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execl(program.path, program.path, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

std::optional<StartFigures> measureStart(const Program& program, const std::string& display,
                                         DiscoveryArrival& arrival, int idleMs,
                                         int networkNamespace) {
    char runtimeTemplate[] = "/tmp/vistrel-startup-XXXXXX";
    if (!mkdtemp(runtimeTemplate)) {
        return std::nullopt;
    }
    arrival.drain();
    const double forkedMs = realtimeMs();
    const pid_t pid = launch(program, display, runtimeTemplate, networkNamespace);
    const std::optional<double> arrived = pid > 0 ? arrival.next(kStartLimitMs) : std::nullopt;
    std::optional<StartFigures> figures;
    if (arrived) {
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(
            std::max(0.0, forkedMs + idleMs - realtimeMs())));
        figures = StartFigures{*arrived - forkedMs, residentMb(pid)};
    }
    if (pid > 0) {
        stop(pid);
    }
    std::error_code ignored;
    std::filesystem::remove_all(runtimeTemplate, ignored);
    if (!figures || figures->residentMb <= 0) {
        std::fprintf(stderr, "%s: no discovery request within %d ms, or it ended early\n",
                     program.label, kStartLimitMs);
        return std::nullopt;
    }
    return figures;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace vistrel::bench
