#include "cli/DiscoverOutput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

#include <fcntl.h>
#include <unistd.h>

#include "cli/Latin1.h"
#include "context/FailureCause.h"
#include "link/LocalFile.h"

namespace pelmora::cli {

namespace {

// A reply shown on a terminal: printable ASCII only, so a hostile one cannot drive it.
std::string Printable(std::string text) {
    for (char& c : text)
        if (c < 0x20 || c > 0x7E) c = '?';
    return text;
}

std::string OneLine(const std::string& message, const std::string& cause) {
    return cause.empty() ? message : message + " " + cause;
}

}  // namespace

std::string PrinterLine(const context::TcpAnswer& answer) {
    const bool ipv6 = answer.address.find(':') != std::string::npos;
    return "tcp " + (ipv6 ? "[" + answer.address + "]" : answer.address) + ":" + std::to_string(answer.port);
}

void PrintDiscoveryTable(std::ostream& out, const context::TcpDiscoveryResult& result, bool all) {
    std::size_t width = 0, found = 0, other = 0;
    for (const auto& a : result.answers)
        if (all || a.id.Identified()) width = std::max(width, PrinterLine(a).size());
    for (const auto& a : result.answers) {
        (a.id.Identified() ? found : other)++;
        if (!all && !a.id.Identified()) continue;
        const std::string name = PrinterLine(a);
        out << name << std::string(width - name.size() + 2, ' ');
        if (a.id.Identified())
            out << Printable(a.id.modelName) << "  firmware " << a.id.firmwareVersion << "  "
                << Printable(a.id.versionText);
        else
            out << "not ours: " << OneLine(a.id.message, a.id.cause);
        if (!a.hostName.empty()) out << "  (" << a.hostName << ")";
        out << '\n';
    }
    out << (found == 0 ? std::string("No printer found") : std::to_string(found) + (found == 1 ? " printer" : " printers") + " found")
        << "; " << result.tried << (result.tried == 1 ? " address" : " addresses") << " tried";
    if (other > 0 && !all) out << ", " << other << " answered otherwise (--all lists them)";
    out << (result.stopped ? "; interrupted.\n" : ".\n");
}

nlohmann::json DiscoveryJson(const context::TcpDiscoveryResult& result, std::uint64_t total, bool all) {
    nlohmann::json found = nlohmann::json::array(), other = nlohmann::json::array();
    for (const auto& a : result.answers) {
        nlohmann::json row{{"printer", PrinterLine(a)}, {"link", "tcp"}, {"address", a.address}, {"port", a.port}};
        if (!a.hostName.empty()) row["host"] = a.hostName;
        if (a.id.Identified()) {
            row["ModelName"] = Latin1ToUtf8(a.id.modelName);
            row["ModelCode"] = a.id.modelCode;
            row["VersionText"] = Latin1ToUtf8(a.id.versionText);
            row["FirmwareVersion"] = a.id.firmwareVersion;
            found.push_back(std::move(row));
        } else {
            row["message"] = context::WithCause(a.id.message, a.id.cause);
            other.push_back(std::move(row));
        }
    }
    nlohmann::json out{{"found", std::move(found)}, {"tried", result.tried}, {"total", total},
                       {"interrupted", result.stopped}};
    if (all) out["other"] = std::move(other);
    return out;
}

std::string WritePrintersFile(const std::string& path, const context::TcpDiscoveryResult& result) {
    if (std::string problem = link::OutputProblem(path); !problem.empty()) return path + ": " + problem;
    std::string text = "# Printers found by pelmora discover" + std::string(result.stopped ? " (interrupted)" : "") + "\n";
    for (const auto& a : result.answers)
        if (a.id.Identified()) text += PrinterLine(a) + "\n";
    // Written beside it and renamed, so a failure leaves the old list whole.
    const std::string temp = path + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return temp + ": " + std::strerror(errno);
    std::string failure = link::WriteAll(fd, text);
    if (failure.empty() && ::fsync(fd) != 0) failure = std::strerror(errno);
    ::close(fd);
    if (failure.empty() && ::rename(temp.c_str(), path.c_str()) != 0) failure = std::strerror(errno);
    if (!failure.empty()) {
        ::unlink(temp.c_str());
        return path + ": " + failure;
    }
    return {};
}

}  // namespace pelmora::cli
