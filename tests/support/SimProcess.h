#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace pelmora::test {

/// The real pelmora-sim on 127.0.0.1 with a free port (or where a `--listen`
/// among the arguments says), or on a pseudo-terminal, for end-to-end tests.
class SimProcess {
public:
    enum class On { Tcp, Pty };
    /// With `errFile`, the server's stderr goes to that file.
    explicit SimProcess(std::vector<std::string> extraArgs = {}, const std::string& errFile = {}, On on = On::Tcp);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    std::uint16_t port() const { return port_; }
    /// "ADDR:PORT", as `--tcp` takes it.
    std::string address() const;
    /// The pseudo-terminal's slave node (On::Pty).
    const std::string& ptyPath() const { return ptyPath_; }
    /// Stops the server (SIGTERM) and waits for it; returns its exit status.
    int Stop();

private:
    pid_t pid_ = -1;
    std::uint16_t port_ = 0;
    std::string host_;
    std::string ptyPath_;
};

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs a program with arguments and extra environment, capturing its output;
/// killed after `timeoutSeconds`.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& env = {}, int timeoutSeconds = 120);

/// Runs the real `pelmora` binary.
CliRun RunCli(const std::vector<std::string>& args, const std::map<std::string, std::string>& env = {});

/// Runs `pelmora` on a terminal of its own (a pseudo-terminal for its standard
/// streams), typing `typed` once it asks "[y/N]"; everything it wrote is in `err`.
CliRun RunCliOnTerminal(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
                        const std::string& typed = {});

}  // namespace pelmora::test
