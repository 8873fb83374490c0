#include "link/HostName.h"

#include <algorithm>
#include <cctype>

namespace pelmora::link {

bool IsHostNameSyntax(const std::string& text) {
    if (text.empty() || text.size() > 253) return false;
    std::size_t start = 0;
    std::string label;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('.', start), text.size());
        label = text.substr(start, end - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
        for (const char c : label)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
        start = end + 1;
    }
    return label.find_first_not_of("0123456789") != std::string::npos;
}

}  // namespace pelmora::link
