#include "sim/ReplaySession.h"

#include <cstdio>

namespace pelmora::sim {

namespace {

std::string HexByte(std::uint8_t b) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", b);
    return text;
}

}  // namespace

ReplaySession::ReplaySession(const ReplayConnection& connection) : steps_(connection.steps) {}

std::vector<ReplaySession::Send> ReplaySession::Start() { return DueReplies(); }

std::vector<ReplaySession::Send> ReplaySession::DueReplies() {
    // A step is complete when all of its expected bytes came; its reply is
    // then due. Steps that expect nothing reply at once.
    std::vector<Send> due;
    while (step_ < steps_.size() && inStep_ == steps_[step_].expect.size()) {
        const ReplayStep& step = steps_[step_];
        if (!step.reply.empty()) due.push_back({step.reply, step.replyDelayMs});
        ++step_;
        inStep_ = 0;
    }
    return due;
}

std::vector<ReplaySession::Send> ReplaySession::Receive(std::span<const std::uint8_t> bytes) {
    std::vector<Send> due = DueReplies();  // in case Start was not asked
    for (const std::uint8_t got : bytes) {
        if (!difference_.empty()) return {};
        if (step_ == steps_.size()) {
            difference_ = "first difference at offset " + std::to_string(offset_) +
                          ": expected nothing more, got " + HexByte(got);
            return {};
        }
        const std::uint8_t expected = steps_[step_].expect[inStep_];
        if (got != expected) {
            difference_ = "first difference at offset " + std::to_string(offset_) + ": expected " +
                          HexByte(expected) + ", got " + HexByte(got);
            return {};
        }
        ++offset_;
        ++inStep_;
        auto more = DueReplies();
        due.insert(due.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return due;
}

void ReplaySession::Closed() {
    DueReplies();
    if (difference_.empty() && step_ < steps_.size())
        difference_ = "first difference at offset " + std::to_string(offset_) + ": expected " +
                      HexByte(steps_[step_].expect[inStep_]) + ", got the end of the connection";
}

}  // namespace pelmora::sim
