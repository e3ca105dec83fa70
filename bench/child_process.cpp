#include "child_process.h"

#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vistrel::bench {

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, int core) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        if (core >= 0) {
            cpu_set_t cores;
            CPU_ZERO(&cores);
            CPU_SET(core, &cores);
            sched_setaffinity(0, sizeof cores, &cores);
        }
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    output_ = pipeEnds[0];
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        finish(true);
    }
    if (output_ >= 0) {
        close(output_);
    }
}

std::string ChildProcess::readLine() {
    std::string line;
    char c = 0;
    while (read(output_, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

double ChildProcess::finish(bool stop) {
    if (pid_ <= 0) {
        return 0;
    }
    if (stop) {
        kill(pid_, SIGTERM);
    }
    int status = 0;
    rusage usage{};
    wait4(pid_, &status, 0, &usage);
    pid_ = -1;
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace vistrel::bench
