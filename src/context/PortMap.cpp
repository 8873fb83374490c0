#include "context/PortMap.h"

#include <charconv>
#include <string_view>

#include "context/RegSyntax.h"

namespace pelmora::context {

namespace {

// n of "COMn" (n >= 1, "COM" in any case); 0 for any other name.
unsigned ComNumber(std::string_view name) {
    if (name.size() < 4 || !EqualsNoCase(name.substr(0, 3), "COM")) return 0;
    const std::string_view digits = name.substr(3);
    unsigned number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size()) return 0;
    return number;
}

}  // namespace

std::string ResolvePortName(const SettingsStore& store, const std::string& name) {
    std::string_view port = name;
    constexpr std::string_view kDevicePrefix = "\\\\.\\";
    if (port.substr(0, kDevicePrefix.size()) == kDevicePrefix) port.remove_prefix(kDevicePrefix.size());
    // The link puts its prefix before a device path too (--serial /dev/ttyUSB0).
    if (!port.empty() && port.front() == '/') return std::string(port);
    if (!port.empty() && port.back() == ':') port.remove_suffix(1);
    const unsigned number = ComNumber(port);
    if (number == 0) return name;
    std::string mapped;
    // An empty entry maps nowhere, so the default applies (the store answers 0 for it).
    if (store.GetRegString(PortMapKey, "COM" + std::to_string(number), mapped) == 1) return mapped;
    return ComDevice(number);
}

std::map<std::string, std::string> ReadPortMap(const SettingsStore& store) {
    std::map<std::string, std::string> map;
    for (const std::string& name : store.ValueNames(PortMapKey)) {
        if (ComNumber(name) == 0) continue;  // never consulted by ResolvePortName
        std::string path;
        if (store.GetRegString(PortMapKey, name, path) == 1) map.emplace(name, path);
    }
    return map;
}

}  // namespace pelmora::context
