#pragma once
// An X server of one's own: Xvfb started on the first free display number from 100 up, so
// that windows can be shown as a desktop shows them without touching anyone's display. Inside
// the private network namespace its abstract socket stays private too.

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vistrel::test {

class PrivateDisplay {
public:
    // Starts the server and waits until it accepts clients; started() tells whether it did.
    PrivateDisplay() {
        for (int number = kFirstNumber; number <= kLastNumber && !started(); ++number) {
            if (!lockFileExists(number) && !tryDisplay(number)) {
                return;
            }
        }
    }
    ~PrivateDisplay() { stop(SIGTERM); }
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    bool started() const { return pid_ > 0; }
    // ":N", for DISPLAY.
    const std::string& name() const { return name_; }

    // Ends the server with the signal, as a crash of the X server would with SIGKILL.
    void stop(int signal) {
        if (started()) {
            kill(pid_, signal);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

private:
    static constexpr int kFirstNumber = 100;
    static constexpr int kLastNumber = 199;
    static constexpr int kReadyLimitMs = 15000;

    static bool lockFileExists(int number) {
        return access(("/tmp/.X" + std::to_string(number) + "-lock").c_str(), F_OK) == 0;
    }

    // The display number Xvfb writes to its -displayfd pipe once it accepts clients; empty
    // when it ends or stays silent.
    static std::string readReadyLine(int fd) {
        std::string line;
        pollfd waiting{fd, POLLIN, 0};
        while (poll(&waiting, 1, kReadyLimitMs) > 0) {
            char c = 0;
            if (read(fd, &c, 1) != 1 || c == '\n') {
                break;
            }
            line += c;
        }
        return line;
    }

    // Starts the server on this display; false when trying further numbers is pointless.
    bool tryDisplay(int number) {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0) {
            return false;
        }
        const std::string display = ":" + std::to_string(number);
        const pid_t pid = fork();
        if (pid == 0) {
            // Descriptor 3, without close-on-exec, for -displayfd.
            if (ready[1] == 3) {
                fcntl(3, F_SETFD, 0);
            } else {
                dup2(ready[1], 3);
            }
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            execlp("Xvfb", "Xvfb", display.c_str(), "-displayfd", "3", "-nolisten", "tcp",
                   "-screen", "0", "1280x1024x24", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        const std::string answer = pid > 0 ? readReadyLine(ready[0]) : std::string();
        close(ready[0]);
        if (pid <= 0) {
            return false;
        }
        if (answer == std::to_string(number)) {
            pid_ = pid;
            name_ = display;
            return true;
        }
        // Another server may have taken the number meanwhile: the next one is tried, unless
        // Xvfb could not be started at all.
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        return !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
    }

    pid_t pid_ = -1;
    std::string name_;
};

} // namespace vistrel::test
