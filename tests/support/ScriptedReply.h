#pragma once
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "sim/PrinterModel.h"

namespace pelmora::test {

/// Put in front of the virtual printer's own handlers: answers one request
/// with fixed replies, the last one again for every later request. For
/// replies the virtual printer never gives.
class ScriptedReply final : public sim::CommandHandler {
public:
    ScriptedReply(std::vector<std::uint8_t> request, std::vector<sim::Reply> replies)
        : request_(std::move(request)), replies_(std::move(replies)) {}
    Match Handle(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                 std::vector<sim::Reply>& replies) override {
        const std::size_t n = std::min(input.size(), request_.size());
        if (!std::equal(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n), request_.begin())) return Match::No;
        if (n < request_.size()) return Match::NeedMore;
        consumed = request_.size();
        key = "scripted";
        replies.push_back(replies_[std::min(next_++, replies_.size() - 1)]);
        return Match::Yes;
    }

private:
    std::vector<std::uint8_t> request_;
    std::vector<sim::Reply> replies_;
    std::size_t next_ = 0;
};

}  // namespace pelmora::test
