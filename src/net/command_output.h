#pragma once
// Runs a system tool that reports state (nft, iptables-save) and collects what it prints. The
// tool reads nothing (standard input is /dev/null), speaks English (LC_ALL=C) and is ended
// when it takes longer than the time given: the report never waits on it, never asks for a
// password and never needs administrator rights.

#include <chrono>
#include <string>
#include <vector>

namespace vistrel::net {

struct CommandOutput {
    enum class Status { Exited, NotFound, TimedOut, Failed };
    Status status = Status::Failed;
    int exitCode = -1; // when Exited
    std::string output;
    std::string errors;

    bool succeeded() const { return status == Status::Exited && exitCode == 0; }
};

// The program's path: a name with a slash as it stands, else the first executable file of
// that name in PATH or in the administrator's directories (/usr/sbin, /sbin), which a user's
// PATH often lacks. Empty when there is none.
std::string findProgram(const std::string& name);

CommandOutput runCommand(const std::vector<std::string>& arguments,
                         std::chrono::milliseconds timeout);

} // namespace vistrel::net
