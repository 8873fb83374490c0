#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora::link {

/// Receives the diagnostic lines of the link, the printer context and the
/// firmware download. The default sink drops them; `--trace` (or
/// PELMORA_TRACE=1 for the windowed programs) sends them to stderr.
class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual bool Enabled() const = 0;
    virtual void Line(std::string_view text) = 0;
};

class NullTrace final : public TraceSink {
public:
    bool Enabled() const override { return false; }
    void Line(std::string_view) override {}
};

class StderrTrace final : public TraceSink {
public:
    bool Enabled() const override { return true; }
    void Line(std::string_view text) override;
};

/// printf-style line; formatting is skipped when the sink drops lines.
void Tracef(TraceSink& sink, const char* format, ...) __attribute__((format(printf, 2, 3)));

/// "1D 49 43" for three bytes; used for the link's byte traces.
std::string HexBytes(const std::uint8_t* data, std::size_t count);

}  // namespace pelmora::link
