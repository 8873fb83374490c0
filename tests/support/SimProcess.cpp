#include "support/SimProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/PrinterRig.h"

namespace pelmora::test {

namespace {

std::vector<char*> Argv(const std::string& program, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// Never touch the store of whoever runs the tests.
std::map<std::string, std::string> WithStore(std::map<std::string, std::string> env, const TempDir& dir) {
    env.try_emplace("PELMORA_REGISTRY", (dir / "registry.reg").string());
    return env;
}

}  // namespace

SimProcess::SimProcess(std::vector<std::string> extraArgs, const std::string& errFile, On on) {
    const bool listenGiven = std::any_of(extraArgs.begin(), extraArgs.end(),
                                         [](const std::string& a) { return a.rfind("--listen", 0) == 0; });
    std::vector<std::string> args;
    if (on == On::Pty || !listenGiven) args.push_back(on == On::Pty ? "--pty" : "--listen=127.0.0.1:0");
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("pipe failed");
    const std::string program = PELMORA_SIM_PATH;
    auto argv = Argv(program, args);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        if (!errFile.empty()) ::dup2(::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::execv(program.c_str(), argv.data());
        std::_Exit(127);
    }
    ::close(out[1]);
    // The first line says where it listens.
    std::string line;
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n') line.push_back(c);
    ::close(out[0]);
    const std::string listening = "listening on ";
    const auto colon = line.rfind(':');
    if (on == On::Pty ? line.rfind("/dev/", 0) != 0 : line.rfind(listening, 0) != 0 || colon == std::string::npos) {
        Stop();
        throw std::runtime_error("pelmora-sim did not start: '" + line + "'");
    }
    if (on == On::Pty) {
        ptyPath_ = line;
        return;
    }
    host_ = line.substr(listening.size(), colon - listening.size());
    port_ = static_cast<std::uint16_t>(std::stoi(line.substr(colon + 1)));
}

SimProcess::~SimProcess() { Stop(); }

std::string SimProcess::address() const { return host_ + ":" + std::to_string(port_); }

int SimProcess::Stop() {
    if (pid_ <= 0) return -1;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& env, int timeoutSeconds) {
    TempDir dir;
    const auto outFile = dir / "stdout";
    const auto errFile = dir / "stderr";
    auto argv = Argv(program, args);
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
        ::dup2(::open("/dev/null", O_RDONLY), STDIN_FILENO);
        ::dup2(::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        ::dup2(::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        ::execv(program.c_str(), argv.data());
        std::_Exit(127);
    }
    CliRun run;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            run.err = "killed after time-out\n";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(outFile);
    run.err += ReadFile(errFile);
    return run;
}

CliRun RunCli(const std::vector<std::string>& args, const std::map<std::string, std::string>& env) {
    TempDir dir;
    return RunProgram(PELMORA_CLI_PATH, args, WithStore(env, dir));
}

CliRun RunCliOnTerminal(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
                        const std::string& typed) {
    TempDir dir;
    const auto withStore = WithStore(env, dir);
    const std::string program = PELMORA_CLI_PATH;
    auto argv = Argv(program, args);
    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (child < 0) throw std::runtime_error("forkpty failed");
    if (child == 0) {
        for (const auto& [name, value] : withStore) ::setenv(name.c_str(), value.c_str(), 1);
        ::execv(program.c_str(), argv.data());
        std::_Exit(127);
    }
    CliRun run;
    bool answered = typed.empty();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    for (char buffer[256]; std::chrono::steady_clock::now() < until;) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) break;  // the program ended and the terminal closed
        run.err.append(buffer, static_cast<std::size_t>(n));
        if (!answered && run.err.find("[y/N] ") != std::string::npos)
            answered = ::write(master, typed.data(), typed.size()) == static_cast<ssize_t>(typed.size());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(master);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace pelmora::test
