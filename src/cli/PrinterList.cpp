#include "cli/PrinterList.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <utility>

#include "context/TcpAddress.h"

#include "cli/CliContext.h"

namespace pelmora::cli {

namespace {

constexpr std::array<std::pair<PrinterAddress::Kind, const char*>, 4> kKinds{{
    {PrinterAddress::Kind::Tcp, "tcp"},
    {PrinterAddress::Kind::Serial, "serial"},
    {PrinterAddress::Kind::Bluetooth, "bluetooth"},
    {PrinterAddress::Kind::Usb, "usb"},
}};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A serial printer's own speed at the end of its line.
constexpr std::string_view kBaudWord = " baud=";

// Takes a trailing " baud=N" off `value`; 0 when there is none.
std::uint32_t TakeBaud(std::string& value, const std::string& where) {
    const std::size_t at = value.rfind(kBaudWord.substr(1));
    if (at == std::string::npos || at == 0 || !IsBlank(value[at - 1])) return 0;
    const std::string number = value.substr(at + kBaudWord.size() - 1);
    std::int64_t rate = -1;
    if (!number.empty() && number.size() < 8 && std::all_of(number.begin(), number.end(), ::isdigit)) rate = std::stoll(number);
    if (!link::IsListedBaudRate(rate))
        throw UsageError{where + "baud= must be one of " + JoinNumbers(link::kBaudRates, ", ") + ", not '" + number + "'"};
    value.erase(at);
    while (!value.empty() && IsBlank(value.back())) value.pop_back();
    return static_cast<std::uint32_t>(rate);
}

std::string Trim(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// A "#" starts a comment at the start of a line or after a blank, so a device
// path holding one still works.
std::string WithoutComment(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || IsBlank(line[i - 1]))) return line.substr(0, i);
    return line;
}

}  // namespace

const char* KindName(PrinterAddress::Kind kind) {
    for (const auto& [k, name] : kKinds)
        if (k == kind) return name;
    return "?";
}

std::string Describe(const PrinterAddress& printer) {
    return std::string(KindName(printer.kind)) + ' ' + printer.value +
           (printer.baud ? std::string(kBaudWord) + std::to_string(printer.baud) : std::string());
}

std::string ShellWord(const std::string& text) {
    const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || std::string_view("./:_-+,=@").find(c) != std::string_view::npos;
    });
    if (plain) return text;
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string AsOption(const PrinterAddress& printer) {
    return std::string("--") + KindName(printer.kind) + ' ' + ShellWord(printer.value) +
           (printer.baud ? " --baud " + std::to_string(printer.baud) : std::string());
}

std::vector<PrinterAddress> ParsePrinterList(const std::string& text, const std::string& fileName) {
    std::vector<PrinterAddress> printers;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = Trim(WithoutComment(text.substr(start, end - start)));
        start = end + 1;
        ++lineNumber;
        if (line.empty()) continue;
        const std::string where = fileName + ":" + std::to_string(lineNumber) + ": ";
        if (line.find('\0') != std::string::npos) throw UsageError{where + "the line holds a NUL byte"};
        std::size_t gap = 0;
        while (gap < line.size() && !IsBlank(line[gap])) ++gap;
        const std::string word = line.substr(0, gap);
        const std::string value = Trim(line.substr(gap));
        const auto kind = std::find_if(kKinds.begin(), kKinds.end(), [&](const auto& k) { return word == k.second; });
        if (kind == kKinds.end())
            throw UsageError{where + "a line is KIND VALUE with KIND tcp, serial, bluetooth or usb, not '" + line + "'"};
        std::string device = value;
        const bool serial = kind->first == PrinterAddress::Kind::Serial || kind->first == PrinterAddress::Kind::Bluetooth;
        const std::uint32_t baud = serial ? TakeBaud(device, where) : 0;
        if (device.empty()) throw UsageError{where + "'" + word + "' without a value"};
        printers.push_back({kind->first, device, baud});
    }
    if (printers.empty()) throw UsageError{fileName + ": names no printer"};
    return printers;
}

namespace {

// What a printer's link reaches: one port or device, however it was spelled.
std::string Endpoint(const PrinterAddress& printer, const PortResolver& resolve) {
    if (printer.kind == PrinterAddress::Kind::Tcp) {
                const context::TcpAddress address = context::ParsePrinterAddress(printer.value, link::kPrinterTcpPort);
        if (address.problem != context::TcpAddress::None) return "tcp " + printer.value;
        std::string host = address.host;  // names are the same in any case
        for (char& c : host) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return "tcp " + context::PrinterAddressText(host, address.port);
    }
    const std::string device = printer.kind == PrinterAddress::Kind::Usb ? printer.value : resolve(printer.value);
    std::error_code ignored;
    const std::filesystem::path real = std::filesystem::weakly_canonical(device, ignored);
    return "device " + (real.empty() ? device : real.string());
}

}  // namespace

void RefuseRepeatedPrinters(const std::vector<PrinterAddress>& printers, const PortResolver& resolve) {
    std::vector<std::string> seen;
    for (const PrinterAddress& printer : printers) {
        std::string endpoint = Endpoint(printer, resolve);
        if (std::find(seen.begin(), seen.end(), endpoint) != seen.end())
            throw UsageError{"the printer '" + Describe(printer) + "' is named twice"};
        seen.push_back(std::move(endpoint));
    }
}

}  // namespace pelmora::cli
