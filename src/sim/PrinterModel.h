#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace pelmora::sim {

/// One reply as it leaves the printer.
struct Reply {
    std::vector<std::uint8_t> bytes;
    /// When non-zero the bytes from this index on follow after `splitGapMs`.
    std::size_t splitAt = 0;
    std::uint32_t splitGapMs = 0;
    /// Held back this long beyond the link's usual latency (a busy printer).
    std::uint32_t delayMs = 0;
};

/// A fault injected into the replies of one command (by its key) or of all.
enum class Fault {
    None,
    Silent,        ///< no reply at all
    WrongHeader,   ///< the first reply byte is changed
    CutShort,      ///< the last half of the reply (its 00 included) is dropped
    Unterminated,  ///< the closing 00 is dropped
    Split,         ///< the reply arrives in two pieces, 50 ms apart
    Late,          ///< the reply comes `lateMs` late: a printer busy with another client
    Doubled,       ///< the reply comes twice, back to back
    OutOfTurn,     ///< the previous command's reply comes again before this one's
};

struct FaultPlan {
    /// key -> fault, e.g. "model" -> WrongHeader; the key "*" stands for every command.
    std::map<std::string, Fault> perCommand;
    std::uint32_t lateMs = 3500;              ///< past three silent reads of the client
    int silentFromCommand = -1;               ///< from this (0-based) command of a session on, no replies
};

/// What identification reports.
struct Identity {
    std::string modelText = "MPT-Q700VII";
    std::string makerText = "KORVANE";
    /// Ends in the firmware date MMDDYY; 090216 (2016-09-02) is the tear-off firmware.
    std::string versionText = "V1.00 090216";
    std::string codePageText = "PC437";
    std::uint8_t msrMode = '9';
};

class PrinterModel;

/// Recognises one family of commands at the front of the input stream.
class CommandHandler {
public:
    enum class Match { No, NeedMore, Yes };
    virtual ~CommandHandler() = default;
    /// On Yes: sets `consumed` (> 0) and `key` (the command's name for fault
    /// injection and the log) and appends the replies it produces.
    virtual Match Handle(std::span<const std::uint8_t> input, std::size_t& consumed,
                         std::string& key, std::vector<Reply>& replies) = 0;
    /// Persistent state under the handler's own JSON member.
    virtual void SaveState(nlohmann::json& /*state*/) const {}
    virtual void LoadState(const nlohmann::json& /*state*/) {}
};

/// The virtual printer: bytes in, replies out, with its own state. Timing is
/// the business of the transport (VirtualPlatform in-process, SimServer over TCP).
class PrinterModel {
public:
    PrinterModel();
    ~PrinterModel();
    PrinterModel(const PrinterModel&) = delete;
    PrinterModel& operator=(const PrinterModel&) = delete;

    /// A new connection (or a newly opened port) starts.
    void BeginSession();
    /// The connection ended; a firmware stream received in it is complete.
    void EndSession();
    /// Back from a firmware update: the new version text (unchanged when empty)
    /// and the factory settings, as a printer leaves its update.
    void Restart(const std::string& versionText);
    /// This session carries a firmware stream.
    bool receivingFirmware() const { return firmwareMode_; }
    /// Feeds received bytes; returns the replies they caused, faults applied.
    std::vector<Reply> Receive(std::span<const std::uint8_t> bytes);

    /// Puts a handler in front of the others (tests use it to script odd replies).
    void AddHandler(std::unique_ptr<CommandHandler> handler) {
        handlers_.insert(handlers_.begin(), std::move(handler));
    }

    /// The handler of a given type, or null.
    template <class T> T* Handler() {
        for (auto& h : handlers_)
            if (auto* found = dynamic_cast<T*>(h.get())) return found;
        return nullptr;
    }

    nlohmann::json SaveState() const;
    void LoadState(const nlohmann::json& state);

    Identity identity;
    FaultPlan faults;
    /// In-process tests may set the firmware number directly (the version text
    /// gives only the two numbers of the expected model); 0 means "derived
    /// from versionText".
    std::uint32_t firmwareOverride = 0;
    /// The firmware number the printer plays: the override, or what its
    /// version text gives.
    std::uint32_t FirmwareNumber() const;

    /// Per session, the logs below keep at most this many entries and bytes;
    /// a run of bytes no command starts is one "unknown" entry.
    std::size_t logLimit = 100000;
    std::size_t receivedLimit = 16u << 20;
    /// A firmware stream is kept up to the largest firmware file there is.
    std::size_t firmwareLimit = 64u << 20;

    /// Keys of the commands received, in order (all sessions).
    const std::vector<std::string>& commandLog() const { return log_; }
    /// Every byte received, in order (all sessions).
    const std::vector<std::uint8_t>& received() const { return received_; }
    /// Firmware streams completed (one per session that carried one).
    const std::vector<std::vector<std::uint8_t>>& firmwareStreams() const { return firmware_; }
    void ClearLogs();

private:
    void ApplyFault(Fault fault, Reply& reply) const;
    Fault FaultFor(const std::string& key) const;
    void Log(const std::string& key);

    std::vector<std::unique_ptr<CommandHandler>> handlers_;
    std::vector<std::uint8_t> pending_;
    std::vector<std::string> log_;
    std::vector<std::uint8_t> received_;
    std::vector<std::vector<std::uint8_t>> firmware_;
    std::vector<std::uint8_t> firmwareCapture_;
    bool sessionStarted_ = false;
    std::size_t sessionLogged_ = 0;
    std::size_t sessionReceived_ = 0;
    bool firmwareMode_ = false;
    bool streamKindKnown_ = false;
    int sessionCommands_ = 0;
    std::vector<std::uint8_t> previousReply_;  // for an out-of-turn fault
};

}  // namespace pelmora::sim
