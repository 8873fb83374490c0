#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "vmsm/PrinterConfig.h"
#include "vmsm/SwitchMap.h"

namespace pelmora::context {
class PrinterContext;
class SettingsStore;
}

namespace pelmora::vmsm {

/// The memory-switch engine: one exchange per operation between the record
/// and the printer, over the printer context's link. Every operation returns
/// a result code (context/ResultCode.h): 101 when the link is closed (nothing
/// sent); 300, 301 and 109 close the link; a failing operation stores nothing.
class MemorySwitchEngine {
public:
    explicit MemorySwitchEngine(context::PrinterContext& util);

    /// The record the last read filled (or the store loaded).
    const PrinterConfig& record() const { return record_; }
    /// For the editing step between read and write (a window's pages, the
    /// command line's edits) and for rigs that start from a given record.
    PrinterConfig& editRecord() { return record_; }

    context::PrinterContext& util() { return util_; }
    const context::PrinterContext& util() const { return util_; }

    /// Store load and save of the record (see PrinterConfig.h); the save adds
    /// the printer's VersionText and MsrSetValue. Both return 1.
    int LoadFromStore(const context::SettingsStore& store, const std::string& key);
    int SaveToStore(context::SettingsStore& store, const std::string& key) const;

    int EnterSettingMode();
    int EnterSettingModeLegacy();
    int EndSettingMode();
    int EndSettingModeLegacy();

    /// Switches 1..8, "P" or "Q"; the reply is decoded by the switch map.
    int ReadSwitch(std::uint8_t n);
    int ReadSwitchLegacy(std::uint8_t n);
    int WriteSwitch(std::uint8_t n);
    /// The legacy switch write is one command over several calls: switch 1
    /// sends its header, and the other records must follow with nothing between.
    int WriteSwitchLegacy(std::uint8_t n);

    /// Setting k: 1 baud rate, 2 parity, 3 flow control, 4 data bits.
    int ReadSerialSetting(std::uint8_t k);
    int ReadSerialSettingLegacy(std::uint8_t k);
    int WriteSerialSetting(std::uint8_t k);
    int WriteSerialSettingsLegacy();

    int ReadTearOff();
    int WriteTearOff();

    /// 107 on firmware without the RF interface. A reply without data gives
    /// 108 and leaves the link open.
    int ReadRfInterface();
    int WriteRfInterface();

    /// Item "c", "d", "k" or "s".
    int ReadBtItem(std::uint8_t item);
    /// 107 (nothing sent) when PIN and name together pass 93 characters.
    int WriteBtSettings();

    /// Track 1..3, else 107. A missing or foreign reply keeps the texts and
    /// still returns 0.
    int ReadSentinels(int track);
    /// 107 (nothing sent) for a track outside 1..3 or a text over 10 bytes.
    int WriteSentinels(int track);

    /// Only the MPT-Q700VII has a factory block; for other models nothing is
    /// sent and the wait for the reply ends in 301 after 5 s. The record is
    /// not changed.
    int SendFactoryDefault();

private:
    SwitchContext Context(Dialect dialect) const;
    int Close(int code);
    /// 0, or 300 with the link closed when the write was cut short.
    int Send(std::span<const std::uint8_t> bytes);
    void Pause(std::uint32_t ms);

    context::PrinterContext& util_;
    PrinterConfig record_;
};

}  // namespace pelmora::vmsm
