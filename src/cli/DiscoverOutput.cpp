#include "cli/DiscoverOutput.h"

#include <algorithm>
#include <ostream>

#include "cli/Latin1.h"
#include "cli/PrinterList.h"
#include "context/FailureCause.h"
#include "link/AtomicFile.h"
#include "link/LocalFile.h"

namespace pelmora::cli {

namespace {

// One line of the listing, whatever link found it.
struct Row {
    std::string printer;
    nlohmann::json where;  ///< the link's own fields for --json
    const context::Identification* id;
    std::string host;
    bool skipped = false;
};

const char* LinkName(std::int32_t portType) {
    switch (portType) {
    case link::PortBluetooth: return "bluetooth";
    case link::PortUsb: return "usb";
    case link::PortTcp: return "tcp";
    default: return "serial";
    }
}

std::vector<Row> Rows(const DiscoveryFindings& f) {
    std::vector<Row> rows;
    for (const auto& a : f.tcp.answers)
        rows.push_back({PrinterLine(a), {{"link", "tcp"}, {"address", a.address}, {"port", a.port}}, &a.id, a.hostName, false});
    for (const auto& a : f.local.answers) {
        nlohmann::json where{{"link", LinkName(a.candidate.portType)}, {"device", a.candidate.port}};
        if (a.settings.baudRate > 0 && a.candidate.portType != link::PortUsb) where["baud"] = a.settings.baudRate;
        if (!a.candidate.description.empty()) where["description"] = a.candidate.description;
        rows.push_back({PrinterLine(a), std::move(where), &a.id, {}, a.skipped});
    }
    return rows;
}

// A reply shown on a terminal: printable ASCII only, so a hostile one cannot drive it.
std::string Printable(std::string text) {
    for (char& c : text)
        if (c < 0x20 || c > 0x7E) c = '?';
    return text;
}

// A Bluetooth name is UTF-8 (D-Bus checks it); only control characters could drive a terminal.
std::string WithoutControls(std::string text) {
    for (char& c : text)
        if ((c >= 0 && c < 0x20) || c == 0x7F) c = '?';
    return text;
}

std::string OneLine(const std::string& message, const std::string& cause) {
    return cause.empty() ? message : message + " " + cause;
}

std::string Counted(std::uint64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

bool Shown(const Row& row, bool all) { return all || row.skipped || row.id->Identified(); }

void PrintBluetooth(std::ostream& out, const DiscoveryFindings& f) {
    if (!f.bluetoothSearched) return;
    if (!f.bluetooth.problem.empty()) {
        out << "Bluetooth: " << f.bluetooth.problem << '\n';
        return;
    }
    for (const auto& d : f.bluetooth.devices) {
        out << "bluetooth " << d.address << "  " << WithoutControls(d.name) << "  ";
        if (!d.rfcommDevice.empty()) out << (d.paired ? "paired" : "not paired") << ", bound to " << d.rfcommDevice;
        else if (d.paired) out << "paired, bound to no serial device (bind one: rfcomm bind N " << d.address << ')';
        else out << "not paired (pair it: bluetoothctl pair " << d.address << ", then rfcomm bind N " << d.address << ')';
        out << '\n';
    }
}

}  // namespace

std::string PrinterLine(const context::TcpAnswer& answer) {
    const bool ipv6 = answer.address.find(':') != std::string::npos;
    return "tcp " + (ipv6 ? "[" + answer.address + "]" : answer.address) + ":" + std::to_string(answer.port);
}

std::string PrinterLine(const context::LocalAnswer& answer) {
    using Kind = PrinterAddress::Kind;
    const Kind kind = answer.candidate.portType == link::PortUsb         ? Kind::Usb
                      : answer.candidate.portType == link::PortBluetooth ? Kind::Bluetooth
                                                                         : Kind::Serial;
    const bool speedKnown = kind != Kind::Usb && answer.settings.baudRate > 0 && answer.id.Identified();
    return Describe({kind, answer.candidate.port, speedKnown ? static_cast<std::uint32_t>(answer.settings.baudRate) : 0});
}

void PrintDiscoveryTable(std::ostream& out, const DiscoveryFindings& findings, bool all) {
    const std::vector<Row> rows = Rows(findings);
    std::size_t width = 0, found = 0, other = 0;
    for (const Row& row : rows)
        if (Shown(row, all)) width = std::max(width, row.printer.size());
    for (const Row& row : rows) {
        if (row.id->Identified()) ++found;
        else if (!row.skipped) ++other;
        if (!Shown(row, all)) continue;
        out << row.printer << std::string(width - row.printer.size() + 2, ' ');
        if (row.id->Identified())
            out << Printable(row.id->modelName) << "  firmware " << row.id->firmwareVersion << "  "
                << Printable(row.id->versionText);
        else
            out << (row.skipped ? "skipped: " : "not ours: ") << OneLine(row.id->message, row.id->cause);
        if (!row.host.empty()) out << "  (" << row.host << ")";
        out << '\n';
    }
    PrintBluetooth(out, findings);
    out << (found == 0 ? std::string("No printer found") : Counted(found, "printer", "printers") + " found");
    if (findings.tcpTotal > 0) out << "; " << Counted(findings.tcp.tried, "address", "addresses") << " tried";
    if (findings.localSearched) out << "; " << Counted(findings.local.tried, "port", "ports") << " tried";
    if (other > 0 && !all) out << ", " << other << " answered otherwise or not at all (--all lists them)";
    out << (findings.Stopped() ? "; interrupted.\n" : ".\n");
}

nlohmann::json DiscoveryJson(const DiscoveryFindings& findings, bool all) {
    nlohmann::json found = nlohmann::json::array(), other = nlohmann::json::array(), skipped = nlohmann::json::array();
    for (const Row& row : Rows(findings)) {
        nlohmann::json out{{"printer", row.printer}};
        out.update(row.where);
        if (!row.host.empty()) out["host"] = row.host;
        if (row.id->Identified()) {
            out["ModelName"] = Latin1ToUtf8(row.id->modelName);
            out["ModelCode"] = row.id->modelCode;
            out["VersionText"] = Latin1ToUtf8(row.id->versionText);
            out["FirmwareVersion"] = row.id->firmwareVersion;
            found.push_back(std::move(out));
        } else {
            out["message"] = context::WithCause(row.id->message, row.id->cause);
            (row.skipped ? skipped : other).push_back(std::move(out));
        }
    }
    nlohmann::json result{{"found", std::move(found)}, {"skipped", std::move(skipped)}, {"tried", findings.tcp.tried},
                          {"total", findings.tcpTotal}, {"portsTried", findings.local.tried},
                          {"interrupted", findings.Stopped()}};
    if (all) result["other"] = std::move(other);
    if (findings.bluetoothSearched) {
        nlohmann::json devices = nlohmann::json::array();
        for (const auto& d : findings.bluetooth.devices)
            devices.push_back({{"address", d.address}, {"name", d.name}, {"paired", d.paired},
                               {"connected", d.connected}, {"rfcomm", d.rfcommDevice}});
        result["bluetooth"] = std::move(devices);
        if (!findings.bluetooth.problem.empty()) result["problems"].push_back("Bluetooth: " + findings.bluetooth.problem);
    }
    return result;
}

std::string WritePrintersFile(const std::string& path, const DiscoveryFindings& findings) {
    if (std::string problem = link::OutputProblem(path); !problem.empty()) return path + ": " + problem;
    std::string text = "# Printers found by pelmora discover" + std::string(findings.Stopped() ? " (interrupted)" : "") + "\n";
    for (const Row& row : Rows(findings))
        if (row.id->Identified()) text += row.printer + "\n";
    if (std::string failure = link::ReplaceFile(path, text, 0644); !failure.empty()) return path + ": " + failure;
    return {};
}

}  // namespace pelmora::cli
