#include "vmsm/VmsmCommands.h"

#include <array>
#include <initializer_list>

#include "link/CommSettings.h"
#include "vmsm/VmsmBytes.h"

namespace pelmora::vmsm::cmd {

namespace {

using namespace bytes;

Bytes Standard(std::initializer_list<std::uint8_t> afterPrefix) {
    Bytes out{GS, ParenOpen, E};
    out.insert(out.end(), afterPrefix);
    return out;
}

Bytes Legacy(std::initializer_list<std::uint8_t> afterPrefix) {
    Bytes out{BS, Caret, E};
    out.insert(out.end(), afterPrefix);
    return out;
}

std::uint8_t Digit(std::uint32_t value) { return static_cast<std::uint8_t>('0' + value); }
std::uint8_t TrackChar(int track) { return static_cast<std::uint8_t>('0' + track); }
std::uint8_t Low(std::size_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

void Append(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

}  // namespace

Bytes EnterSettingMode() { return Standard({0x03, 0x00, FnEnterSetting, 'I', 'N'}); }
Bytes EnterSettingModeLegacy() { return Legacy({0x01, 0x00, FnEnterSetting}); }
Bytes EndSettingMode() { return Standard({0x04, 0x00, FnEndSetting, 'O', 'U', 'T'}); }
Bytes EndSettingModeLegacy() { return Legacy({0x01, 0x00, FnEndSetting}); }

Bytes ReadSwitch(std::uint8_t n) { return Standard({0x02, 0x00, FnReadSwitch, n}); }
Bytes ReadSwitchLegacy(std::uint8_t n) { return Legacy({0x02, 0x00, FnReadSwitch, n}); }
Bytes WriteSwitchHeader() { return Standard({0x0B, 0x00, FnWriteSwitch}); }

Bytes WriteSwitchRecord(std::uint8_t n, const SwitchBits& bits) {
    Bytes out{n};
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

Bytes WriteSwitchLegacyHeader(int records) {
    return Legacy({Low(1 + 8 * static_cast<std::size_t>(records)), 0x00, FnWriteSwitch});
}

Bytes ReadSerialSetting(std::uint8_t k) { return Standard({0x02, 0x00, FnReadSerial, k}); }
Bytes ReadSerialSettingLegacy(std::uint8_t k) { return Legacy({0x02, 0x00, FnReadSerial, k}); }

std::string BaudText(std::uint32_t baudrate, Dialect dialect) {
    // The legacy set has 1200 where the standard one, like the lists, has its slowest rate.
    constexpr std::uint32_t kLegacyOnlyRate = 1200;
    constexpr std::uint32_t kStandardOnlyRate = link::kBaudRates.front();
    constexpr std::uint32_t kOtherwise = link::kBaudRates.back();
    const bool legacy = dialect == Dialect::Legacy;
    if (legacy && baudrate == kLegacyOnlyRate) return std::to_string(kLegacyOnlyRate);
    const bool sendable = link::IsListedBaudRate(baudrate) && !(legacy && baudrate == kStandardOnlyRate);
    return std::to_string(sendable ? baudrate : kOtherwise);
}

Bytes SerialSettingData(const PrinterConfig& c, std::uint8_t k) {
    switch (k) {
    case 1: {
        const std::string text = BaudText(c.Baudrate, Dialect::Standard);
        return Bytes(text.begin(), text.end());
    }
    case 2: return {Digit(c.Parity)};
    case 3: return {Digit(c.Flowcontrol)};
    case 4: return {Digit(c.Databit)};
    default: return {};
    }
}

Bytes WriteSerialSettingHeader(std::uint8_t k, std::size_t dataLength) {
    return Standard({Low(dataLength + 2), 0x00, FnWriteSerial, k});
}

Bytes WriteSerialSettingsLegacy(const PrinterConfig& c) {
    const std::string baud = BaudText(c.Baudrate, Dialect::Legacy);
    Bytes out = Legacy({Low(baud.size() + 4), 0x00, FnWriteSerial});
    Append(out, baud);
    out.push_back(Digit(c.Parity));
    out.push_back(Digit(c.Flowcontrol));
    out.push_back(Digit(c.Databit));
    return out;
}

Bytes ReadTearOff() { return Standard({0x02, 0x00, FnReadTearOff, 0x00}); }

Bytes WriteTearOff(std::uint32_t position) {
    return Standard({0x04, 0x00, FnWriteTearOff, 0x00, Low(position), Low(position >> 8)});
}

Bytes ReadBtItem(std::uint8_t item) { return {US, US, BtInquire, item}; }

std::optional<Bytes> WriteBtSettings(const PrinterConfig& c) {
    if (c.BtPinCode.size() + c.BtDeviceName.size() > kBtTextsMax) return std::nullopt;
    Bytes out{US, US, BtProgram, Digit(c.BtSecurity), static_cast<std::uint8_t>('1' + c.BtConnMode)};
    Append(out, c.BtPinCode);
    out.push_back(CR);
    Append(out, c.BtDeviceName);
    out.push_back(CR);
    return out;
}

Bytes ReadSentinels(int track) { return {BS, M, S, 0x02, 0x00, FnReportSentinels, TrackChar(track)}; }

Bytes WriteStartSentinelHeader(int track, std::size_t length) {
    return {BS, M, S, Low(length + 2), 0x00, FnWriteStartSentinel, TrackChar(track)};
}

Bytes WriteEndSentinelHeader(int track, std::size_t length) {
    return {BS, M, S, Low((length == 0 ? 1 : length) + 2), 0x00, FnWriteEndSentinel, TrackChar(track)};
}

Bytes EndSentinelData(const SentinelText& text) {
    if (text.empty()) return {NUL};
    return Bytes(text.begin(), text.end());
}

const Bytes& FactoryDefaultBlock() {
    static const Bytes block = [] {
        Bytes b;
        auto add = [&b](const Bytes& part) { b.insert(b.end(), part.begin(), part.end()); };
        auto text = [](const char* s) { return Bytes(s, s + std::char_traits<char>::length(s)); };
        auto sw = [&](std::uint8_t n, const char* bits) {
            add(WriteSwitchHeader());
            b.push_back(n);
            add(text(bits));
        };
        auto serial = [&](std::uint8_t k, const char* data) {
            add(WriteSerialSettingHeader(k, std::char_traits<char>::length(data)));
            add(text(data));
        };
        auto sentinel = [&](std::uint8_t fn, int track, const char* data) {
            const Bytes header = fn == FnWriteStartSentinel
                                     ? WriteStartSentinelHeader(track, std::char_traits<char>::length(data))
                                     : WriteEndSentinelHeader(track, std::char_traits<char>::length(data));
            add(header);
            add(text(data));
        };
        add(EnterSettingMode());
        sw(1, "00001100");
        sw(2, "00000000");
        sw(3, "22220001");
        sw(5, "00001111");
        sw(6, "00001010");
        sw(7, "01100000");
        sw(8, "00000000");
        serial(1, "115200");
        serial(2, "0");
        serial(3, "0");
        serial(4, "8");
        add(EndSettingMode());
        for (int track = 1; track <= kTracks; ++track) {
            const std::string n = std::to_string(track);
            sentinel(FnWriteStartSentinel, track, ("START" + n).c_str());
            sentinel(FnWriteEndSentinel, track, ("END" + n).c_str());
        }
        add({US, US, BtProgram, '1', '2'});
        add(text("5291"));
        b.push_back(CR);
        add(text("MPT-Q700VII"));
        b.push_back(CR);
        return b;
    }();
    return block;
}

}  // namespace pelmora::vmsm::cmd
