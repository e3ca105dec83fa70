#pragma once
// A child process for benchmarks: started on one core with its standard output in a pipe, and
// its CPU time read when it ends.

#include <string>
#include <sys/types.h>
#include <vector>

namespace vistrel::bench {

class ChildProcess {
public:
    // Starts the program (looked up in PATH) pinned to `core`, or unpinned for -1.
    ChildProcess(const std::vector<std::string>& arguments, int core);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    // The read end of the child's standard output.
    int output() const { return output_; }
    // One line of the output, without its line end; empty at the end.
    std::string readLine();
    // Stops the child if it still runs, waits for it and returns its CPU seconds (user and
    // system, all its threads).
    double finish(bool stop);

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

} // namespace vistrel::bench
