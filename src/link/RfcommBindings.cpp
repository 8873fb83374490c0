#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "link/BluetoothDevices.h"
#include "link/DeviceEnumeration.h"

namespace pelmora::link {

// The kernel's rfcomm ttys carry their remote address in sysfs: no Bluetooth
// socket nor its headers are needed to read the bindings.
std::map<std::string, std::string> RfcommBindings(const std::filesystem::path& ttyClass) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(ttyClass, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.rfind("rfcomm", 0) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    std::map<std::string, std::string> bindings;
    for (const std::string& name : names) {
        std::ifstream file(ttyClass / name / "address");
        std::string address;
        if (!std::getline(file, address) || address.size() != 17) continue;
        std::transform(address.begin(), address.end(), address.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        bindings.emplace(address, "/dev/" + name);
    }
    return bindings;
}

}  // namespace pelmora::link
