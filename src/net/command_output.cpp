#include "net/command_output.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vistrel::net {

namespace {

using Clock = std::chrono::steady_clock;

// Closes a descriptor when it leaves scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(); }
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }

private:
    int fd_;
};

bool makePipe(Descriptor& readEnd, Descriptor& writeEnd) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return false;
    }
    readEnd.reset(fds[0]);
    writeEnd.reset(fds[1]);
    return true;
}

// This process's environment with LC_ALL=C in place of any LC_ALL of its own.
std::vector<std::string> childEnvironment() {
    std::vector<std::string> entries{"LC_ALL=C"};
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::string_view(*entry).rfind("LC_ALL=", 0) != 0) {
            entries.emplace_back(*entry);
        }
    }
    return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

bool isExecutable(const std::string& path) {
    return !path.empty() && ::access(path.c_str(), X_OK) == 0;
}

// Reads both pipes until both are closed or the deadline passes. False on time-out.
bool collect(int outputFd, int errorFd, CommandOutput& result, Clock::time_point deadline) {
    pollfd fds[2] = {{outputFd, POLLIN, 0}, {errorFd, POLLIN, 0}};
    std::string* sinks[2] = {&result.output, &result.errors};
    int open = 2;
    while (open > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        if (::poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            return false;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    return true;
}

} // namespace

std::string findProgram(const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return isExecutable(name) ? name : std::string();
    }
    const char* path = std::getenv("PATH");
    std::string directories = std::string(path != nullptr ? path : "") + ":/usr/sbin:/sbin";
    std::size_t start = 0;
    while (start <= directories.size()) {
        const std::size_t end = std::min(directories.find(':', start), directories.size());
        const std::string directory = directories.substr(start, end - start);
        if (!directory.empty() && isExecutable(directory + "/" + name)) {
            return directory + "/" + name;
        }
        start = end + 1;
    }
    return {};
}

CommandOutput runCommand(const std::vector<std::string>& arguments,
                         std::chrono::milliseconds timeout) {
    CommandOutput result;
    const std::string program = arguments.empty() ? std::string() : findProgram(arguments[0]);
    if (program.empty()) {
        result.status = CommandOutput::Status::NotFound;
        return result;
    }
    Descriptor outputRead, outputWrite, errorRead, errorWrite;
    if (!makePipe(outputRead, outputWrite) || !makePipe(errorRead, errorWrite)) {
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outputWrite.get(), 1);
    posix_spawn_file_actions_adddup2(&actions, errorWrite.get(), 2);
    std::vector<std::string> argumentTexts = arguments;
    std::vector<std::string> environmentTexts = childEnvironment();
    std::vector<char*> argv = pointersTo(argumentTexts);
    std::vector<char*> envp = pointersTo(environmentTexts);
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    outputWrite.reset();
    errorWrite.reset();
    if (spawned != 0) {
        return result;
    }
    const bool finished =
        collect(outputRead.get(), errorRead.get(), result, Clock::now() + timeout);
    if (!finished) {
        ::kill(child, SIGKILL);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!finished) {
        result.status = CommandOutput::Status::TimedOut;
    } else if (WIFEXITED(status)) {
        result.status = CommandOutput::Status::Exited;
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

} // namespace vistrel::net
