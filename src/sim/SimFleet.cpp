#include "sim/SimFleet.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <thread>
#include <vector>

namespace pelmora::sim {

namespace {

// A free run of ports is found by trying: another program may hold one in the middle.
constexpr int kPortRunAttempts = 64;

struct FleetPrinter {
    PrinterModel model;
    SimServerOptions options;
    std::unique_ptr<SimServer> server;
};

// Binds every printer's port, consecutive from `first`; false (all closed) when one is taken.
bool ListenFrom(std::vector<std::unique_ptr<FleetPrinter>>& printers, int first, std::string& error) {
    for (std::size_t i = 0; i < printers.size(); ++i) {
        const int port = first + static_cast<int>(i);
        if (port > 65535) {
            error = "not enough ports above " + std::to_string(first) + " for " + std::to_string(printers.size()) + " printers";
            return false;
        }
        printers[i]->options.port = static_cast<std::uint16_t>(port);
        printers[i]->server = std::make_unique<SimServer>(printers[i]->model, printers[i]->options);
        if (!printers[i]->server->Listen(error)) {
            for (std::size_t j = 0; j <= i; ++j) printers[j]->server.reset();
            return false;
        }
    }
    return true;
}

bool ListenOnRun(std::vector<std::unique_ptr<FleetPrinter>>& printers, const SimServerOptions& options,
                 std::string& error) {
    if (options.port != 0) return ListenFrom(printers, options.port, error);
    for (int attempt = 0; attempt < kPortRunAttempts; ++attempt) {
        // The system's choice of a free port starts the run.
        TcpListener probe;
        if (!probe.Listen(options.host, 0, error)) return false;
        const int first = probe.port();
        probe.Close();
        if (ListenFrom(printers, first, error)) return true;
    }
    error = "found no " + std::to_string(printers.size()) + " free consecutive ports: " + error;
    return false;
}

}  // namespace

std::string FleetStateFile(const std::string& stateDir, int index) {
    return (std::filesystem::path(stateDir) / ("printer-" + std::to_string(index + 1) + ".json")).string();
}

int RunSimFleet(int count, const SimServerOptions& options, const std::string& stateDir,
                const PreparePrinter& prepare, const std::atomic<bool>& stop, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (!stateDir.empty() && !std::filesystem::is_directory(stateDir) && !std::filesystem::create_directories(stateDir, ec)) {
        err << "cannot make the state folder " << stateDir << ": " << ec.message() << '\n';
        return 2;
    }
    std::vector<std::unique_ptr<FleetPrinter>> printers;
    std::string error;
    for (int i = 0; i < count; ++i) {
        printers.push_back(std::make_unique<FleetPrinter>());
        printers.back()->options = options;
        if (!stateDir.empty()) printers.back()->options.stateFile = FleetStateFile(stateDir, i);
        if (!prepare(printers.back()->model, i, error)) {
            err << error << '\n';
            return 2;
        }
    }
    if (!ListenOnRun(printers, options, error)) {
        err << error << '\n';
        return 1;
    }
    for (auto& printer : printers) out << "listening on " << printer->server->boundAddress() << '\n';
    out.flush();

    std::vector<std::thread> threads;
    std::vector<std::string> errors(printers.size());
    for (std::size_t i = 0; i < printers.size(); ++i)
        threads.emplace_back([&, i] { printers[i]->server->Run(stop, errors[i]); });
    for (auto& thread : threads) thread.join();
    int status = 0;
    for (std::size_t i = 0; i < errors.size(); ++i) {
        if (!printers[i]->server->writeError().empty()) status = 1;  // said when it happened
        if (errors[i].empty()) continue;
        err << "printer " << i + 1 << " after the restart: " << errors[i] << '\n';
        status = 1;
    }
    return status;
}

}  // namespace pelmora::sim
