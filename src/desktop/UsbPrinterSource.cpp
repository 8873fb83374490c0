#include "desktop/UsbPrinterSource.h"

#include <cstdio>
#include <filesystem>

namespace pelmora::desktop {

namespace {

// The two enumeration lines are for whoever started the program from a
// terminal, so they go to standard output whatever the trace setting is.
class StdoutLines final : public link::TraceSink {
public:
    bool Enabled() const override { return true; }
    void Line(std::string_view text) override {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }
};

}  // namespace

UsbPrinterSource SystemUsbPrinters() {
    return {
        [] {
            StdoutLines lines;
            return link::ListUsbPrinters(lines);
        },
        [](const std::string& path) {
            std::error_code error;
            return std::filesystem::exists(path, error);
        },
    };
}

}  // namespace pelmora::desktop
