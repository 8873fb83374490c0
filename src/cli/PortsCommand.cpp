#include "cli/PortsCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/LazyCommand.h"
#include "context/PortMap.h"

namespace pelmora::cli {

namespace {

// A mapped path may be a link (/dev/serial/by-id/...) to the node the enumeration reports.
bool SameDevice(const std::string& a, const std::string& b) {
    std::error_code error;
    const auto x = std::filesystem::weakly_canonical(a, error);
    if (error) return a == b;
    const auto y = std::filesystem::weakly_canonical(b, error);
    return error ? a == b : x == y;
}

using Row = std::vector<std::string>;

// Columns padded to their widest cell, two spaces apart, indented under a heading.
void PrintTable(std::ostream& out, const std::string& heading, const Row& header, const std::vector<Row>& rows) {
    out << heading << '\n';
    if (rows.empty()) {
        out << "  none\n";
        return;
    }
    std::vector<std::size_t> widths;
    for (const std::string& cell : header) widths.push_back(cell.size());
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    const auto line = [&](const Row& row) {
        std::string text = " ";
        for (std::size_t c = 0; c < row.size(); ++c) {
            text += ' ' + row[c];
            if (c + 1 < row.size()) text += std::string(widths[c] - row[c].size() + 1, ' ');
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << text << '\n';
    };
    line(header);
    for (const Row& row : rows) line(row);
}

int ListPorts(CliContext& ctx, bool json) {
    link::TraceSink& trace = ctx.platform().trace();
    const PortsListing listing =
        MakePortsListing(ctx.store(), link::ListSerialPorts(trace), link::ListUsbPrinters(trace));
    if (json) {
        // Device descriptions come from the devices; a stray byte must not end the listing.
        ctx.out << PortsJson(listing).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else {
        PrintPortsTable(ctx.out, listing);
    }
    if (const std::string problem = link::DeviceListProblem(); !problem.empty())
        PrintMessage(ctx.err, "pelmora: warning: USB printers and unconnected rfcomm ports are not listed: " + problem);
    return ExitOk;
}

}  // namespace

std::string ComNameFor(const context::SettingsStore& store, const std::map<std::string, std::string>& portMap,
                       const std::string& path) {
    std::vector<std::string> candidates;
    for (const auto& [name, mapped] : portMap) {
        if (SameDevice(mapped, path)) candidates.push_back(name);
    }
    std::sort(candidates.begin(), candidates.end(), link::NaturalLess);  // COM2 before COM10
    constexpr std::string_view kTtyS = "/dev/ttyS";
    if (path.size() > kTtyS.size() && path.compare(0, kTtyS.size(), kTtyS) == 0) {
        const std::string number = path.substr(kTtyS.size());
        if (number.size() < 9 && std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            candidates.push_back("COM" + std::to_string(std::stoul(number) + 1));
    }
    // The store decides what a name opens, so ask it rather than guess.
    for (const std::string& name : candidates) {
        if (SameDevice(context::ResolvePortName(store, name), path)) return name;
    }
    return {};
}

PortsListing MakePortsListing(const context::SettingsStore& store, const std::vector<link::SerialPortInfo>& serial,
                              std::vector<link::UsbPrinterInfo> usb) {
    PortsListing listing;
    listing.portMap = context::ReadPortMap(store);
    for (const auto& port : serial)
        listing.serial.push_back({port.path, port.description, ComNameFor(store, listing.portMap, port.path)});
    listing.usb = std::move(usb);
    return listing;
}

void PrintPortsTable(std::ostream& out, const PortsListing& listing) {
    std::vector<Row> serial, usb, map;
    for (const auto& port : listing.serial) serial.push_back({port.path, port.description, port.com});
    for (const auto& printer : listing.usb) usb.push_back({printer.label, printer.path});
    for (const auto& [name, path] : listing.portMap) map.push_back({name, path});
    PrintTable(out, "Serial ports:", {"PATH", "DESCRIPTION", "COM"}, serial);
    PrintTable(out, "USB printers:", {"LABEL", "PATH"}, usb);
    PrintTable(out, "Port map:", {"NAME", "PATH"}, map);
}

nlohmann::json PortsJson(const PortsListing& listing) {
    nlohmann::json serial = nlohmann::json::array();
    for (const auto& port : listing.serial)
        serial.push_back({{"path", port.path}, {"description", port.description}, {"com", port.com}});
    nlohmann::json usb = nlohmann::json::array();
    for (const auto& printer : listing.usb) usb.push_back({{"label", printer.label}, {"path", printer.path}});
    nlohmann::json map = nlohmann::json::object();
    for (const auto& [name, path] : listing.portMap) map[name] = path;
    return {{"serial", serial}, {"usb", usb}, {"portMap", map}};
}

void AddPortsCommand(CLI::App& app, CommandResult& run) {
    AddLazyCommand(app, "ports", "List the serial ports, the USB printers and the port map", [&run](CLI::App& cmd) {
        auto json = std::make_shared<bool>(false);
        cmd.add_flag("--json", *json, "Print one JSON object");
        cmd.callback([&run, json] { run = [json](CliContext& ctx) { return ListPorts(ctx, *json); }; });
    });
}

}  // namespace pelmora::cli
