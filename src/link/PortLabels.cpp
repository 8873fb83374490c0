#include <algorithm>
#include <cctype>
#include <cstdio>

#include "link/DeviceEnumeration.h"

// The naming and ordering of the port lists, the same on every system.
namespace pelmora::link {

bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            const std::size_t iEnd = a.find_first_not_of("0123456789", i);
            const std::size_t jEnd = b.find_first_not_of("0123456789", j);
            std::string x = a.substr(i, iEnd == std::string::npos ? std::string::npos : iEnd - i);
            std::string y = b.substr(j, jEnd == std::string::npos ? std::string::npos : jEnd - j);
            x.erase(0, std::min(x.find_first_not_of('0'), x.size()));
            y.erase(0, std::min(y.find_first_not_of('0'), y.size()));
            if (x.size() != y.size()) return x.size() < y.size();
            if (x != y) return x < y;
            i = iEnd == std::string::npos ? a.size() : iEnd;
            j = jEnd == std::string::npos ? b.size() : jEnd;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
    return a < b;  // equal as numbers ("lp01", "lp1"): any fixed order will do
}

std::string UsbLabel(int number) {
    char label[16];
    std::snprintf(label, sizeof label, "USB%02d", number);
    return label;
}

std::vector<UsbPrinterInfo> LabelUsbPrinters(std::vector<std::string> nodes,
                                             const std::function<bool(const std::string&)>& opens,
                                             TraceSink& trace) {
    std::sort(nodes.begin(), nodes.end(), NaturalLess);
    std::vector<UsbPrinterInfo> printers;
    for (const std::string& node : nodes) {
        Tracef(trace, "Attempting to open %s\n", node.c_str());
        if (!opens(node)) {
            Tracef(trace, "FAILED to open %s\n", node.c_str());
            continue;
        }
        printers.push_back({UsbLabel(static_cast<int>(printers.size()) + 1), node});
    }
    return printers;
}

}  // namespace pelmora::link
