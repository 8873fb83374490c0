#include "sim/ReplayScript.h"

#include <algorithm>
#include <istream>
#include <set>

#include <nlohmann/json.hpp>

#include "link/TranscriptEvent.h"

namespace pelmora::sim {

namespace {

using Kind = link::TranscriptEvent::Kind;

// Turns one connection's events into steps: writes gather into what to
// expect, reads into the reply to it.
class ScriptBuilder {
public:
    explicit ScriptBuilder(ReplayScript& script) : script_(script) {}

    void Add(const link::TranscriptEvent& e) {
        switch (e.kind) {
        case Kind::Open:
            script_.connections.push_back({e.channel, e.port, {}});
            open_ = true;
            probeSkipped_ = false;
            break;
        case Kind::Close: open_ = false; break;
        case Kind::Write: if (open_) Write(e); break;
        case Kind::Read: if (open_) Read(e); break;
        case Kind::Timeout: waited_ = true; break;
        case Kind::OpenFailed:
        case Kind::ReadError: break;
        }
    }

private:
    void Write(const link::TranscriptEvent& e) {
        auto& connection = script_.connections.back();
        // A serial port is opened with one 00 byte to see that the line is up;
        // over the replay's TCP the tool sends no such byte.
        if (!probeSkipped_ && connection.channel == "serial" && e.bytes.size() == 1 && e.bytes[0] == 0x00 &&
            connection.steps.empty()) {
            probeSkipped_ = true;
            return;
        }
        probeSkipped_ = true;
        const auto taken = static_cast<std::size_t>(std::max(e.result, 0));
        if (taken == 0) return;
        if (connection.steps.empty() || !connection.steps.back().reply.empty())
            connection.steps.emplace_back();
        auto& step = connection.steps.back();
        step.expect.insert(step.expect.end(), e.bytes.begin(), e.bytes.begin() + static_cast<std::ptrdiff_t>(taken));
        lastWriteMs_ = e.timeMs;
        waited_ = false;
    }

    void Read(const link::TranscriptEvent& e) {
        auto& connection = script_.connections.back();
        if (connection.steps.empty()) connection.steps.emplace_back();  // the printer spoke first
        auto& step = connection.steps.back();
        if (step.reply.empty() && waited_ && e.timeMs > lastWriteMs_)
            step.replyDelayMs = static_cast<std::uint32_t>(std::min<std::uint64_t>(e.timeMs - lastWriteMs_, kMaxReplyDelayMs));
        step.reply.insert(step.reply.end(), e.bytes.begin(), e.bytes.end());
        waited_ = false;
    }

    ReplayScript& script_;
    bool open_ = false;
    bool probeSkipped_ = false;
    bool waited_ = false;
    std::uint64_t lastWriteMs_ = 0;
};

// "pelmora 1.0.4: pelmora --tcp 10.0.0.5 config get" from the header line.
std::string HeaderSummary(const std::string& line) {
    const auto j = nlohmann::json::parse(line, nullptr, false);
    const auto textOf = [&](const char* key) {
        const auto it = j.find(key);
        return it != j.end() && it->is_string() ? it->get<std::string>() : std::string("?");
    };
    std::string text = textOf("tool") + " " + textOf("version") + ":";
    if (const auto command = j.find("command"); command != j.end() && command->is_array())
        for (const auto& word : *command)
            if (word.is_string()) text += " " + word.get<std::string>();
    return text;
}

}  // namespace

std::optional<ReplayScript> ReadReplayScript(std::istream& in, std::uint32_t link, std::string& error) {
    std::vector<link::TranscriptEvent> events;
    std::set<std::uint32_t> links;
    ReplayScript script;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty()) continue;
        bool isHeader = false;
        std::string problem;
        auto event = link::ParseTranscriptLine(line, isHeader, problem);
        if (isHeader) {
            script.tool = HeaderSummary(line);
            continue;
        }
        if (!event) {
            error = "line " + std::to_string(number) + ": " + problem;
            return std::nullopt;
        }
        links.insert(event->link);
        if (link == 0 || event->link == link) events.push_back(std::move(*event));
    }
    if (link == 0 && links.size() > 1) {
        error = "the transcript holds " + std::to_string(links.size()) + " links; choose one with --link";
        return std::nullopt;
    }
    ScriptBuilder builder(script);
    for (const auto& e : events) builder.Add(e);
    if (script.connections.empty()) {
        error = link ? "link " + std::to_string(link) + " opens no connection in the transcript"
                     : "the transcript holds no connection";
        return std::nullopt;
    }
    return script;
}

}  // namespace pelmora::sim
