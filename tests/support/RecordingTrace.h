#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "link/Trace.h"

namespace pelmora::test {

/// Keeps every trace line, for tests that read what --trace would show.
struct RecordingTrace final : link::TraceSink {
    bool Enabled() const override { return true; }
    void Line(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

}  // namespace pelmora::test
