// The HEXA sentinel parser and the sentinel checks.
#include <string>
#include <string_view>

#include "HostilePrinter.h"
#include "vmsm/SentinelCheck.h"

using namespace pelmora;
using namespace pelmora::vmsm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string parsed = SentinelParser(text);
    if (parsed != kSentinelParserError) fuzz::Check(parsed.size() <= size / 2, "more bytes than digit pairs");
    const std::string problem = CheckSentinel(parsed, size % 2);
    fuzz::Check(problem.empty() || problem == kSentinelLengthText || problem == kSentinelValueText,
                "an unknown sentinel message: " + problem);

    // Six texts separated by newlines, in both forms.
    SentinelSix six;
    std::size_t at = 0;
    for (std::string& t : six) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        if (at <= text.size()) t = std::string(text.substr(at, end - at));
        at = end + 1;
    }
    SentinelSix plain = six;
    const std::string error = ConfirmSentinels(size & 1, six);
    if (!(size & 1) && error.empty())
        for (const std::string& t : plain) fuzz::Check(CheckSentinel(t, false).empty(), "a bad sentinel confirmed");
    return 0;
}
