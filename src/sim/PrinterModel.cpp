#include "sim/PrinterModel.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "context/FirmwareVersion.h"
#include "sim/ConfigHandler.h"
#include "sim/IdentityHandler.h"
#include "sim/NvHandler.h"

namespace pelmora::sim {

PrinterModel::PrinterModel() {
    handlers_.push_back(std::make_unique<IdentityHandler>(*this));
    handlers_.push_back(std::make_unique<ConfigHandler>(*this));
    handlers_.push_back(std::make_unique<NvHandler>(*this));
}

PrinterModel::~PrinterModel() = default;

std::uint32_t PrinterModel::FirmwareNumber() const {
    if (firmwareOverride) return firmwareOverride;
    return context::FirmwareVersionFromReply(703, "_" + identity.versionText);
}

void PrinterModel::BeginSession() {
    EndSession();
    sessionStarted_ = true;
    firmwareMode_ = false;
    streamKindKnown_ = false;
    sessionCommands_ = 0;
    sessionLogged_ = 0;
    sessionReceived_ = 0;
    pending_.clear();
    previousReply_.clear();
}

void PrinterModel::EndSession() {
    if (!firmwareCapture_.empty()) firmware_.push_back(std::move(firmwareCapture_));
    firmwareCapture_.clear();
    pending_.clear();
    sessionStarted_ = false;
}

void PrinterModel::Restart(const std::string& versionText) {
    EndSession();
    if (!versionText.empty()) identity.versionText = versionText;
    Handler<ConfigHandler>()->settings = FactorySettings();
}

void PrinterModel::ClearLogs() {
    log_.clear();
    received_.clear();
    firmware_.clear();
}

std::vector<Reply> PrinterModel::Receive(std::span<const std::uint8_t> bytes) {
    if (!sessionStarted_) BeginSession();
    const std::size_t kept = std::min(bytes.size(), receivedLimit - std::min(receivedLimit, sessionReceived_));
    received_.insert(received_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kept));
    sessionReceived_ += kept;
    std::vector<Reply> out;
    if (firmwareMode_) {
        const std::size_t room = firmwareLimit - std::min(firmwareLimit, firmwareCapture_.size());
        firmwareCapture_.insert(firmwareCapture_.end(), bytes.begin(),
                                bytes.begin() + static_cast<std::ptrdiff_t>(std::min(room, bytes.size())));
        return out;
    }
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());

    while (!pending_.empty()) {
        std::size_t consumed = 0;
        std::string key;
        std::vector<Reply> replies;
        CommandHandler::Match match = CommandHandler::Match::No;
        for (auto& handler : handlers_) {
            match = handler->Handle(pending_, consumed, key, replies);
            if (match != CommandHandler::Match::No) break;
        }
        if (match == CommandHandler::Match::NeedMore) break;
        if (match == CommandHandler::Match::No) {
            // A session that opens with something no command starts is a
            // firmware stream: keep all of it, unparsed.
            if (!streamKindKnown_) {
                firmwareMode_ = true;
                firmwareCapture_ = std::move(pending_);
                pending_.clear();
                break;
            }
            pending_.erase(pending_.begin());
            if (log_.empty() || log_.back() != "unknown") Log("unknown");
            continue;
        }
        if (consumed == 0 || consumed > pending_.size()) consumed = pending_.size();
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(consumed));
        if (key != "probe") streamKindKnown_ = true;
        Log(key);

        const Fault fault = FaultFor(key);
        ++sessionCommands_;
        for (Reply& reply : replies) {
            if (fault == Fault::Silent) continue;
            std::vector<std::uint8_t> clean = reply.bytes;
            if (fault == Fault::OutOfTurn && !previousReply_.empty()) out.push_back(Reply{previousReply_});
            ApplyFault(fault, reply);
            out.push_back(std::move(reply));
            previousReply_ = std::move(clean);
        }
    }
    return out;
}

void PrinterModel::Log(const std::string& key) {
    if (sessionLogged_ >= logLimit) return;
    log_.push_back(key);
    ++sessionLogged_;
}

Fault PrinterModel::FaultFor(const std::string& key) const {
    if (faults.silentFromCommand >= 0 && sessionCommands_ >= faults.silentFromCommand) return Fault::Silent;
    if (auto it = faults.perCommand.find(key); it != faults.perCommand.end()) return it->second;
    // The probe byte is no command a printer answers; a busy printer still takes it.
    if (auto it = faults.perCommand.find("*"); it != faults.perCommand.end() && key != "probe") return it->second;
    return Fault::None;
}

void PrinterModel::ApplyFault(Fault fault, Reply& reply) const {
    auto& b = reply.bytes;
    if (b.empty()) return;
    switch (fault) {
    case Fault::WrongHeader: b[0] = static_cast<std::uint8_t>(b[0] + 1); break;
    case Fault::CutShort: b.resize(b.size() / 2); break;
    case Fault::Unterminated:
        if (b.back() == 0x00) b.pop_back();
        break;
    case Fault::Split:
        reply.splitAt = b.size() / 2;
        reply.splitGapMs = 50;
        break;
    case Fault::Late: reply.delayMs = faults.lateMs; break;
    case Fault::Doubled: b.insert(b.end(), b.begin(), b.end()); break;
    case Fault::None:
    case Fault::OutOfTurn:
    case Fault::Silent: break;
    }
}

nlohmann::json PrinterModel::SaveState() const {
    nlohmann::json state;
    state["identity"] = {{"model", identity.modelText},     {"maker", identity.makerText},
                         {"version", identity.versionText}, {"codePage", identity.codePageText},
                         {"msrMode", identity.msrMode}};
    for (const auto& handler : handlers_) handler->SaveState(state);
    return state;
}

void PrinterModel::LoadState(const nlohmann::json& state) {
    if (!state.is_object()) return;
    if (auto it = state.find("identity"); it != state.end() && it->is_object()) {
        identity.modelText = it->value("model", identity.modelText);
        identity.makerText = it->value("maker", identity.makerText);
        identity.versionText = it->value("version", identity.versionText);
        identity.codePageText = it->value("codePage", identity.codePageText);
        identity.msrMode = it->value("msrMode", identity.msrMode);
    }
    for (auto& handler : handlers_) handler->LoadState(state);
}

}  // namespace pelmora::sim
