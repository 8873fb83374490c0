#include "support/PrinterRig.h"

#include <cstdlib>
#include <fstream>
#include <random>

#include "context/ResultCode.h"
#include "link/Trace.h"

namespace pelmora::test {

std::string Hex(std::span<const std::uint8_t> bytes) {
    return link::HexBytes(bytes.data(), bytes.size());
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TempDir::TempDir() : TempDir(std::filesystem::temp_directory_path()) {}

TempDir::TempDir(const std::filesystem::path& parent) {
    std::string pattern = (parent / "pelmora-test-XXXXXX").string();
    if (char* made = ::mkdtemp(pattern.data())) path_ = made;
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (path_.empty()) return;
    // Tests make folders read-only; they must still go.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

namespace {

link::CommSettings SettingsFor(std::int32_t portType) {
    link::CommSettings settings;
    settings.portType = portType;
    switch (portType) {
    case link::PortTcp:
        settings.port = "NET127.0.0.1";
        settings.baudRate = 9100;
        break;
    case link::PortUsb: settings.port = "/dev/usb/lp0"; break;
    default: settings.port = "COM1"; break;
    }
    return settings;
}

}  // namespace

PrinterRig::PrinterRig(std::int32_t portType)
    : platform(printer), util(platform), store(dir / "registry.reg") {
    util.HandOver(SettingsFor(portType));
}

bool PrinterRig::Open() { return util.link().OpenPort() == 1; }

bool PrinterRig::Identify() {
    return util.QueryPrinter(context::QUERY_MODEL) == rc::Ok &&
           util.QueryPrinter(context::QUERY_VERSION) == rc::Ok;
}

std::uint64_t PrinterRig::Now() const { return platform.virtualClock().Now(); }

std::vector<std::uint8_t> PrinterRig::TakeReceived() {
    const auto& all = printer.received();
    std::vector<std::uint8_t> fresh(all.begin() + static_cast<std::ptrdiff_t>(std::min(taken_, all.size())), all.end());
    taken_ = all.size();
    return fresh;
}

}  // namespace pelmora::test
