#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "sim/ReplayScript.h"

namespace pelmora::sim {

/// Plays one recorded connection against a live tool: checks every byte the
/// tool sends against the recording and hands out the recorded replies when
/// the bytes they answered have all come. Stops at the first difference.
class ReplaySession {
public:
    struct Send {
        std::vector<std::uint8_t> bytes;
        std::uint32_t delayMs = 0;  ///< wait this long before sending
    };

    explicit ReplaySession(const ReplayConnection& connection);

    /// Replies due before the tool sends anything (the printer spoke first).
    std::vector<Send> Start();
    /// Bytes the tool sent; the replies they complete. After a difference nothing.
    std::vector<Send> Receive(std::span<const std::uint8_t> bytes);
    /// The tool closed the connection.
    void Closed();

    /// Empty until the tool departs from the recording; then says where and how.
    const std::string& difference() const { return difference_; }
    /// The tool sent everything recorded and nothing else.
    bool Finished() const { return difference_.empty() && step_ == steps_.size(); }

private:
    std::vector<Send> DueReplies();

    const std::vector<ReplayStep>& steps_;
    std::size_t step_ = 0;      // the step whose bytes are expected next
    std::size_t inStep_ = 0;    // how many of them came
    std::size_t offset_ = 0;    // bytes received from the tool so far
    std::string difference_;
};

}  // namespace pelmora::sim
