#include "vmsm/MemorySwitchEngine.h"

#include "context/PrinterContext.h"
#include "context/FirmwareCapabilities.h"
#include "context/ResultCode.h"
#include "vmsm/ReplyCollectors.h"
#include "vmsm/VmsmBytes.h"
#include "vmsm/VmsmCommands.h"
#include "vmsm/VmsmReplies.h"

namespace pelmora::vmsm {

namespace {

constexpr std::uint32_t kReplyPauseMs = 150;       // switch, serial, tear-off readers and "IN"
constexpr std::uint32_t kSwitchWritePauseMs = 500; // between switch header and record, after tear-off
constexpr std::uint32_t kShortReplyPauseMs = 10;   // RF and sentinel readers
constexpr std::uint32_t kBtPauseMs = 100;
constexpr std::uint32_t kBtHandheldPauseMs = 300;
constexpr std::uint32_t kFactoryPauseMs = 300;
constexpr std::uint32_t kFactoryLimitMs = 5000;

bool ValidTrack(int track) { return track >= 1 && track <= kTracks; }

}  // namespace

MemorySwitchEngine::MemorySwitchEngine(context::PrinterContext& util) : util_(util) {}

int MemorySwitchEngine::LoadFromStore(const context::SettingsStore& store, const std::string& key) {
    return vmsm::LoadFromStore(record_, store, key);
}

int MemorySwitchEngine::SaveToStore(context::SettingsStore& store, const std::string& key) const {
    return vmsm::SaveToStore(record_, store, key, util_.versionText(), util_.msrSetValue());
}

SwitchContext MemorySwitchEngine::Context(Dialect dialect) const {
    return {dialect, util_.firmwareVersion(), util_.msrSetValue()};
}

int MemorySwitchEngine::Close(int code) {
    util_.link().ClosePort();
    return code;
}

int MemorySwitchEngine::Send(std::span<const std::uint8_t> bytes) {
    if (util_.link().WritePort(bytes) != static_cast<int>(bytes.size())) return Close(rc::ShortWrite);
    return rc::Ok;
}

void MemorySwitchEngine::Pause(std::uint32_t ms) { util_.clock().Sleep(ms); }

// Entering setting mode is always preceded by an open in the sequences; the
// check costs nothing and keeps a stray call from writing to a closed link.
int MemorySwitchEngine::EnterSettingMode() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto request = cmd::EnterSettingMode();
    if (const int code = Send(request)) return code;
    Pause(kReplyPauseMs);
    const Collection reply = CollectSingleShot(util_.link(), request);
    if (reply.writeFailed) return Close(rc::ShortWrite);
    if (!reply.complete) return Close(rc::NoReply);
    if (!reply::IsSettingModeReply(reply.bytes)) return Close(rc::BadHeader);
    return rc::Ok;
}

int MemorySwitchEngine::EnterSettingModeLegacy() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (const int code = Send(cmd::EnterSettingModeLegacy())) return code;
    Pause(kReplyPauseMs);
    const Collection reply = CollectCount(util_.link(), {50, 3, 2000});
    if (!reply.complete || !reply::IsSettingModeReply(reply.bytes)) return Close(rc::NoReply);
    return rc::Ok;
}

int MemorySwitchEngine::EndSettingMode() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    return Send(cmd::EndSettingMode());
}

int MemorySwitchEngine::EndSettingModeLegacy() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    return Send(cmd::EndSettingModeLegacy());
}

int MemorySwitchEngine::ReadSwitch(std::uint8_t n) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto request = cmd::ReadSwitch(n);
    if (const int code = Send(request)) return code;
    Pause(kReplyPauseMs);
    const Collection reply = CollectWithResend(util_.link(), request, {11, 11, 0, OnSilence::Discard});
    if (reply.writeFailed) return Close(rc::ShortWrite);
    SwitchBits bits{};
    if (const int code = reply::ParseSwitch(reply.bytes, bits)) return Close(code);
    DecodeSwitch(record_, n, bits, Context(Dialect::Standard));
    return rc::Ok;
}

int MemorySwitchEngine::ReadSwitchLegacy(std::uint8_t n) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (const int code = Send(cmd::ReadSwitchLegacy(n))) return code;
    Pause(kReplyPauseMs);
    const Collection reply = CollectCount(util_.link(), {11, 11, 2000});
    SwitchBits bits{};
    if (const int code = reply::ParseSwitch(reply.bytes, bits)) return Close(code);
    DecodeSwitch(record_, n, bits, Context(Dialect::Legacy));
    return rc::Ok;
}

int MemorySwitchEngine::WriteSwitch(std::uint8_t n) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const SwitchBits bits = EncodeSwitch(record_, n, Context(Dialect::Standard));
    if (const int code = Send(cmd::WriteSwitchHeader())) return code;
    Pause(kSwitchWritePauseMs);
    return Send(cmd::WriteSwitchRecord(n, bits));
}

int MemorySwitchEngine::WriteSwitchLegacy(std::uint8_t n) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (n == 1) {
        // Announce only the records that follow: without switch 7 a printer
        // reading seven would swallow the end-of-setting command.
        const int records = SkipsLegacySwitch7(util_.msrSetValue()) ? 6 : 7;
        if (const int code = Send(cmd::WriteSwitchLegacyHeader(records))) return code;
    }
    const auto recordBytes = LegacySwitchRecord(n, EncodeSwitch(record_, n, Context(Dialect::Legacy)));
    return Send(recordBytes);
}

int MemorySwitchEngine::ReadSerialSetting(std::uint8_t k) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto request = cmd::ReadSerialSetting(k);
    if (const int code = Send(request)) return code;
    Pause(kReplyPauseMs);
    const Collection reply = CollectWithResend(util_.link(), request, {100, 12, 0, OnSilence::Keep});
    if (reply.writeFailed) return Close(rc::ShortWrite);
    if (const int code = reply::ParseSerialSetting(reply.bytes, k, record_)) return Close(code);
    return rc::Ok;
}

int MemorySwitchEngine::ReadSerialSettingLegacy(std::uint8_t k) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (const int code = Send(cmd::ReadSerialSettingLegacy(k))) return code;
    const std::uint32_t sentAt = util_.clock().TickCount();
    Pause(kReplyPauseMs);
    const Collection reply = CollectUntilNul(util_.link(), sentAt, {11, 2000});
    if (const int code = reply::ParseSerialSetting(reply.bytes, k, record_)) return Close(code);
    return rc::Ok;
}

int MemorySwitchEngine::WriteSerialSetting(std::uint8_t k) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto data = cmd::SerialSettingData(record_, k);
    if (const int code = Send(cmd::WriteSerialSettingHeader(k, data.size()))) return code;
    return Send(data);
}

int MemorySwitchEngine::WriteSerialSettingsLegacy() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    return Send(cmd::WriteSerialSettingsLegacy(record_));
}

int MemorySwitchEngine::ReadTearOff() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto request = cmd::ReadTearOff();
    if (const int code = Send(request)) return code;
    Pause(kReplyPauseMs);
    const Collection reply = CollectWithResend(util_.link(), request, {100, 12, 6, OnSilence::Keep});
    if (reply.writeFailed) return Close(rc::ShortWrite);
    std::uint32_t position = 0;
    if (const int code = reply::ParseTearOff(reply.bytes, position)) return Close(code);
    record_.CuttingPosition = position;
    return rc::Ok;
}

int MemorySwitchEngine::WriteTearOff() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (const int code = Send(cmd::WriteTearOff(record_.CuttingPosition))) return code;
    Pause(kSwitchWritePauseMs);
    return rc::Ok;
}

int MemorySwitchEngine::ReadRfInterface() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (!context::CapabilitiesOf(util_.firmwareVersion()).rfInterface) return rc::NotSupported;
    if (const int code = Send(cmd::ReadSwitch(bytes::SwitchRf))) return code;
    const std::uint32_t sentAt = util_.clock().TickCount();
    Pause(kShortReplyPauseMs);
    const Collection reply = CollectUntilNul(util_.link(), sentAt, {});
    return reply::ParseRfInterface(reply.bytes, record_.RfInterface);
}

// A cut-short RF record_ would leave the switch half written, so it fails like
// every other write instead of passing on any byte taken.
int MemorySwitchEngine::WriteRfInterface() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (!context::CapabilitiesOf(util_.firmwareVersion()).rfInterface) return rc::NotSupported;
    const SwitchBits bits = EncodeSwitch(record_, bytes::SwitchRf, Context(Dialect::Standard));
    if (const int code = Send(cmd::WriteSwitchHeader())) return code;
    return Send(cmd::WriteSwitchRecord(bytes::SwitchRf, bits));
}

int MemorySwitchEngine::ReadBtItem(std::uint8_t item) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto request = cmd::ReadBtItem(item);
    if (const int code = Send(request)) return code;
    Pause(util_.link().layout() == link::Layout::Handheld ? kBtHandheldPauseMs : kBtPauseMs);
    const Collection reply = CollectWithResend(util_.link(), request, {100, 100, 0, OnSilence::WholeReadOnly});
    if (reply.writeFailed) return Close(rc::ShortWrite);
    if (const int code = reply::ParseBtItem(reply.bytes, item, record_)) return Close(code);
    return rc::Ok;
}

int MemorySwitchEngine::WriteBtSettings() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto command = cmd::WriteBtSettings(record_);
    if (!command) return rc::NotSupported;
    return Send(*command);
}

int MemorySwitchEngine::ReadSentinels(int track) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (!ValidTrack(track)) return rc::NotSupported;
    if (const int code = Send(cmd::ReadSentinels(track))) return code;
    const std::uint32_t sentAt = util_.clock().TickCount();
    Pause(kShortReplyPauseMs);
    const Collection reply = CollectUntilNul(util_.link(), sentAt, {});
    if (const int code =
            reply::ParseSentinels(reply.bytes, track, record_.StartSentinel[track - 1], record_.EndSentinel[track - 1]))
        return Close(code);
    return rc::Ok;
}

int MemorySwitchEngine::WriteSentinels(int track) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (!ValidTrack(track)) return rc::NotSupported;
    const SentinelText& start = record_.StartSentinel[track - 1];
    const SentinelText& end = record_.EndSentinel[track - 1];
    if (start.size() > kSentinelMax || end.size() > kSentinelMax) return rc::NotSupported;
    if (const int code = Send(cmd::WriteStartSentinelHeader(track, start.size()))) return code;
    if (!start.empty()) {
        if (const int code = Send(std::span(reinterpret_cast<const std::uint8_t*>(start.data()), start.size())))
            return code;
    }
    if (const int code = Send(cmd::WriteEndSentinelHeader(track, end.size()))) return code;
    return Send(cmd::EndSentinelData(end));
}

int MemorySwitchEngine::SendFactoryDefault() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (util_.modelCode() == context::kModelExpected) {
        if (const int code = Send(cmd::FactoryDefaultBlock())) return code;
    }
    Pause(kFactoryPauseMs);
    const Collection reply = CollectCount(util_.link(), {3, 3, kFactoryLimitMs});
    if (!reply.complete || !reply::IsSettingModeReply(reply.bytes)) return Close(rc::NoReply);
    return rc::Ok;
}

}  // namespace pelmora::vmsm
