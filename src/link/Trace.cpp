#include "link/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace pelmora::link {

void StderrTrace::Line(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
}

void Tracef(TraceSink& sink, const char* format, ...) {
    if (!sink.Enabled()) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed >= 0) {
        std::vector<char> text(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        sink.Line(std::string_view(text.data(), static_cast<std::size_t>(needed)));
    }
    va_end(args);
}

std::string HexBytes(const std::uint8_t* data, std::size_t count) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        if (i) out.push_back(' ');
        out.push_back(digits[data[i] >> 4]);
        out.push_back(digits[data[i] & 0x0F]);
    }
    return out;
}

}  // namespace pelmora::link
