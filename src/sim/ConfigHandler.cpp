#include "sim/ConfigHandler.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

namespace pelmora::sim {

namespace {

using Bytes = std::vector<std::uint8_t>;
using Match = CommandHandler::Match;

constexpr std::uint8_t kMark = 0x37;
constexpr std::size_t kMaxLength = 300;   // longer announced lengths are noise
constexpr std::size_t kBtCommandMax = 100;

Reply Make(std::initializer_list<std::uint8_t> head, const std::string& text = {}, bool terminate = true) {
    Reply reply;
    reply.bytes.assign(head);
    reply.bytes.insert(reply.bytes.end(), text.begin(), text.end());
    if (terminate) reply.bytes.push_back(0x00);
    return reply;
}

std::string Text(std::span<const std::uint8_t> bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string SwitchName(std::uint8_t n) {
    return n >= 0x20 && n < 0x7F ? std::string(1, static_cast<char>(n)) : std::to_string(n);
}

Reply SwitchReply(std::uint8_t value) {
    std::string bits;
    for (int bit = 7; bit >= 0; --bit) bits.push_back((value >> bit) & 1 ? '1' : '0');
    return Make({kMark, 0x21}, bits);
}

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

std::string Unhex(const std::string& hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        try {
            out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        } catch (const std::exception&) {
            return {};
        }
    }
    return out;
}

// Legacy switch records follow the order the writer keeps: 1, 2, 3, 5, 6, (7,) 8.
constexpr std::uint8_t kLegacyOrder7[] = {1, 2, 3, 5, 6, 7, 8};
constexpr std::uint8_t kLegacyOrder6[] = {1, 2, 3, 5, 6, 8};

}  // namespace

std::uint8_t PrinterSettings::Switch(std::uint8_t n) const {
    const auto it = switches.find(n);
    return it == switches.end() ? 0 : it->second;
}

PrinterSettings FactorySettings() {
    PrinterSettings s;
    s.switches = {{1, 0x0C}, {2, 0x00}, {3, 0x01}, {5, 0x0F}, {6, 0x0A}, {7, 0x60}, {8, 0x00}, {'P', 0x00}, {'Q', 0x00}};
    s.serial = {"115200", "0", "0", "8"};
    s.startSentinel = {"START1", "START2", "START3"};
    s.endSentinel = {"END1", "END2", "END3"};
    s.btSecurity = '1';
    s.btConnMode = '2';
    s.btPinCode = "5291";
    s.btDeviceName = "MPT-Q700VII";
    return s;
}

Match ConfigHandler::Handle(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                            std::vector<Reply>& replies) {
    if (legacyRecordsLeft_ > 0) {
        const Match record = LegacyRecord(input, consumed, key);
        if (record != Match::No) return record;
    }
    switch (input[0]) {
    case 0x1D:
        if (input.size() < 3) return input.size() == 2 && input[1] != 0x28 ? Match::No : Match::NeedMore;
        if (input[1] != 0x28 || input[2] != 0x45) return Match::No;
        return Standard(input, consumed, key, replies);
    case 0x08:
        if (input.size() < 3) return Match::NeedMore;
        if (input[1] == 0x5E && input[2] == 0x45) return Legacy(input, consumed, key, replies);
        if (input[1] == 0x4D && input[2] == 0x53) return Sentinel(input, consumed, key, replies);
        return Match::No;
    case 0x1F:
        if (input.size() < 2) return Match::NeedMore;
        if (input[1] != 0x1F) return Match::No;
        return Bluetooth(input, consumed, key, replies);
    default:
        return Match::No;
    }
}

void ConfigHandler::WriteSwitchBits(std::uint8_t n, std::span<const std::uint8_t> bits) {
    std::uint8_t value = settings.Switch(n);
    for (std::size_t i = 0; i < bits.size() && i < 8; ++i) {
        const auto mask = static_cast<std::uint8_t>(0x80 >> i);
        if (bits[i] == '0') value = static_cast<std::uint8_t>(value & ~mask);
        if (bits[i] == '1') value = static_cast<std::uint8_t>(value | mask);
    }
    settings.switches[n] = value;
}

// Functions both dialects frame alike: setting mode, switch and serial reads.
bool ConfigHandler::SharedFunction(std::uint8_t fn, std::span<const std::uint8_t> args, const std::string& dialect,
                                   std::string& key, std::vector<Reply>& replies) {
    const std::uint8_t arg = args.empty() ? 0 : args[0];
    switch (fn) {
    case 0x01:
        key = "enter" + dialect;
        settingMode_ = true;
        replies.push_back(Make({kMark, 0x20}));
        return true;
    case 0x02:
        key = "end" + dialect;
        settingMode_ = false;
        return true;
    case 0x04:
        key = "read-switch" + dialect + "-" + SwitchName(arg);
        replies.push_back(SwitchReply(settings.Switch(arg)));
        return true;
    case 0x0C: {
        key = "read-serial" + dialect + "-" + std::to_string(arg);
        const std::string value = arg >= 1 && arg <= 4 ? settings.serial[arg - 1] : std::string();
        replies.push_back(Make({kMark, 0x33, static_cast<std::uint8_t>('0' + arg), 0x1F}, value));
        return true;
    }
    default:
        return false;
    }
}

Match ConfigHandler::Standard(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                              std::vector<Reply>& replies) {
    if (input.size() < 6) return Match::NeedMore;
    const std::size_t length = input[3] + 256u * input[4];
    const std::uint8_t fn = input[5];
    if (fn == 0x03) {
        // The switch write's length says one byte more than it carries; the
        // record is always the switch number and eight bit characters.
        if (input.size() < 15) return Match::NeedMore;
        consumed = 15;
        key = "write-switch-" + SwitchName(input[6]);
        if (settingMode_) WriteSwitchBits(input[6], input.subspan(7, 8));
        return Match::Yes;
    }
    if (length == 0 || length > kMaxLength) {
        consumed = 5;
        key = "gs-e-unknown";
        return Match::Yes;
    }
    if (input.size() < 5 + length) return Match::NeedMore;
    consumed = 5 + length;
    const auto args = input.subspan(6, length - 1);
    if (SharedFunction(fn, args, "", key, replies)) return Match::Yes;
    switch (fn) {
    case 0x0B:
        key = "write-serial-" + (args.empty() ? std::string("?") : std::to_string(args[0]));
        if (settingMode_ && !args.empty() && args[0] >= 1 && args[0] <= 4)
            settings.serial[args[0] - 1] = Text(args.subspan(1));
        break;
    case 0x20:
        key = "write-tearoff";
        if (settingMode_ && args.size() >= 3) settings.tearOff = static_cast<std::uint16_t>(args[1] | (args[2] << 8));
        break;
    case 0x21: {
        key = "read-tearoff";
        Reply reply = Make({kMark, 0x35, 0x30, 0x1F, static_cast<std::uint8_t>(settings.tearOff & 0xFF),
                            static_cast<std::uint8_t>(settings.tearOff >> 8)});
        replies.push_back(std::move(reply));
        break;
    }
    default:
        key = "gs-e-unknown";
        break;
    }
    return Match::Yes;
}

Match ConfigHandler::Legacy(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                            std::vector<Reply>& replies) {
    if (input.size() < 6) return Match::NeedMore;
    const std::size_t length = input[3] + 256u * input[4];
    const std::uint8_t fn = input[5];
    if (fn == 0x03) {
        // The header alone; its records arrive one write each.
        consumed = 6;
        key = "write-switch-legacy";
        legacyRecordCount_ = (length >= 1 ? length - 1 : 0) / 8;
        legacyRecordsLeft_ = static_cast<int>(std::min<std::size_t>(legacyRecordCount_, 7));
        legacyRecordIndex_ = 0;
        return Match::Yes;
    }
    if (length == 0 || length > kMaxLength) {
        consumed = 5;
        key = "legacy-unknown";
        return Match::Yes;
    }
    if (input.size() < 5 + length) return Match::NeedMore;
    consumed = 5 + length;
    const auto args = input.subspan(6, length - 1);
    if (SharedFunction(fn, args, "-legacy", key, replies)) return Match::Yes;
    switch (fn) {
    case 0x0B:
        key = "write-serial-legacy";
        if (settingMode_ && args.size() >= 4) {
            settings.serial[0] = Text(args.first(args.size() - 3));
            settings.serial[1] = std::string(1, static_cast<char>(args[args.size() - 3]));
            settings.serial[2] = std::string(1, static_cast<char>(args[args.size() - 2]));
            settings.serial[3] = std::string(1, static_cast<char>(args[args.size() - 1]));
        }
        break;
    default:
        key = "legacy-unknown";
        break;
    }
    return Match::Yes;
}

Match ConfigHandler::LegacyRecord(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key) {
    const std::uint8_t first = input[0];
    const bool numbered = first >= 1 && first <= 8;
    const bool bitChar = first >= '0' && first <= '2';
    if (!numbered && !bitChar) {
        legacyRecordsLeft_ = 0;  // the writer stopped early; this is the next command
        return Match::No;
    }
    if (first == 0x08 && input.size() >= 2 && (input[1] == 0x5E || input[1] == 0x4D)) {
        legacyRecordsLeft_ = 0;
        return Match::No;
    }
    if (input.size() < 8) return Match::NeedMore;
    const auto& order = legacyRecordCount_ == 6 ? std::span<const std::uint8_t>(kLegacyOrder6)
                                                : std::span<const std::uint8_t>(kLegacyOrder7);
    const std::uint8_t n = numbered ? first : order[std::min(legacyRecordIndex_, order.size() - 1)];
    consumed = 8;
    key = "write-switch-legacy-" + SwitchName(n);
    // The first byte is the switch number, or b8 where the writer sets it.
    std::array<std::uint8_t, 8> bits{};
    bits[0] = bitChar ? first : '2';
    std::copy(input.begin() + 1, input.begin() + 8, bits.begin() + 1);
    if (settingMode_) WriteSwitchBits(n, bits);
    ++legacyRecordIndex_;
    --legacyRecordsLeft_;
    return Match::Yes;
}

Match ConfigHandler::Sentinel(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                              std::vector<Reply>& replies) {
    if (input.size() < 7) return Match::NeedMore;
    const std::size_t length = input[3] + 256u * input[4];
    if (length < 2 || length > kMaxLength) {
        consumed = 5;
        key = "sentinel-unknown";
        return Match::Yes;
    }
    if (input.size() < 5 + length) return Match::NeedMore;
    consumed = 5 + length;
    const std::uint8_t fn = input[5];
    const int track = input[6] - '0';
    const auto data = input.subspan(7, length - 2);
    if (track < 1 || track > 3) {
        key = "sentinel-unknown";
        return Match::Yes;
    }
    const std::string t = std::to_string(track);
    switch (fn) {
    case '2':
        key = "write-start-sentinel-" + t;
        settings.startSentinel[track - 1] = Text(data);
        break;
    case '3':
        key = "write-end-sentinel-" + t;
        // An empty end text travels as one NUL.
        settings.endSentinel[track - 1] = data.size() == 1 && data[0] == 0 ? std::string() : Text(data);
        break;
    case '4': {
        key = "read-sentinels-" + t;
        replies.push_back(Make({kMark, 0x81, input[6]},
                               settings.startSentinel[track - 1] + '\x1F' + settings.endSentinel[track - 1]));
        break;
    }
    default:
        key = "sentinel-unknown";
        break;
    }
    return Match::Yes;
}

Match ConfigHandler::Bluetooth(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                               std::vector<Reply>& replies) {
    if (input.size() < 3) return Match::NeedMore;
    if (input[2] == 'i') {
        if (input.size() < 4) return Match::NeedMore;
        consumed = 4;
        const std::uint8_t item = input[3];
        key = std::string("read-bt-") + static_cast<char>(item);
        std::string value;
        switch (item) {
        case 'c': value = std::string(1, static_cast<char>(settings.btConnMode)); break;
        case 's': value = std::string(1, static_cast<char>(settings.btSecurity)); break;
        case 'd': value = settings.btDeviceName; break;
        case 'k': value = settings.btPinCode; break;
        default: break;
        }
        replies.push_back(Make({kMark, 0x42, item}, value));
        return Match::Yes;
    }
    if (input[2] != 'p') {
        consumed = 3;
        key = "bt-unknown";
        return Match::Yes;
    }
    // US US "p" security mode PIN CR name CR
    const auto limit = input.begin() + static_cast<std::ptrdiff_t>(std::min(input.size(), kBtCommandMax));
    const auto pinEnd = input.size() > 5 ? std::find(input.begin() + 5, limit, 0x0D) : limit;
    const auto nameEnd = pinEnd == limit ? limit : std::find(pinEnd + 1, limit, 0x0D);
    if (nameEnd == limit) {
        if (input.size() < kBtCommandMax) return Match::NeedMore;
        consumed = 3;
        key = "bt-unknown";
        return Match::Yes;
    }
    consumed = static_cast<std::size_t>(nameEnd - input.begin()) + 1;
    key = "write-bt";
    settings.btSecurity = input[3];
    settings.btConnMode = input[4];
    settings.btPinCode.assign(input.begin() + 5, pinEnd);
    settings.btDeviceName.assign(pinEnd + 1, nameEnd);
    return Match::Yes;
}

void ConfigHandler::SaveState(nlohmann::json& state) const {
    nlohmann::json switches = nlohmann::json::object();
    for (const auto& [n, value] : settings.switches) switches[SwitchName(n)] = value;
    nlohmann::json c;
    c["switches"] = switches;
    c["serial"] = settings.serial;
    c["tearOff"] = settings.tearOff;
    // Texts as hex: they are bytes, not UTF-8.
    for (int t = 0; t < 3; ++t) {
        c["startSentinel"].push_back(Hex(settings.startSentinel[t]));
        c["endSentinel"].push_back(Hex(settings.endSentinel[t]));
    }
    c["btSecurity"] = std::string(1, static_cast<char>(settings.btSecurity));
    c["btConnMode"] = std::string(1, static_cast<char>(settings.btConnMode));
    c["btPinCode"] = Hex(settings.btPinCode);
    c["btDeviceName"] = Hex(settings.btDeviceName);
    state["config"] = c;
}

void ConfigHandler::LoadState(const nlohmann::json& state) {
    const auto it = state.find("config");
    if (it == state.end() || !it->is_object()) return;
    const nlohmann::json& c = *it;
    PrinterSettings s = settings;
    try {
        if (auto sw = c.find("switches"); sw != c.end() && sw->is_object()) {
            for (const auto& [name, value] : sw->items()) {
                const std::uint8_t n = name.size() == 1 && !std::isdigit(static_cast<unsigned char>(name[0]))
                                           ? static_cast<std::uint8_t>(name[0])
                                           : static_cast<std::uint8_t>(std::stoi(name));
                s.switches[n] = value.get<std::uint8_t>();
            }
        }
        if (c.contains("serial")) s.serial = c["serial"].get<std::array<std::string, 4>>();
        if (c.contains("tearOff")) s.tearOff = c["tearOff"].get<std::uint16_t>();
        for (int t = 0; t < 3; ++t) {
            if (c.contains("startSentinel")) s.startSentinel[t] = Unhex(c["startSentinel"].at(t).get<std::string>());
            if (c.contains("endSentinel")) s.endSentinel[t] = Unhex(c["endSentinel"].at(t).get<std::string>());
        }
        if (c.contains("btSecurity")) s.btSecurity = static_cast<std::uint8_t>(c["btSecurity"].get<std::string>().at(0));
        if (c.contains("btConnMode")) s.btConnMode = static_cast<std::uint8_t>(c["btConnMode"].get<std::string>().at(0));
        if (c.contains("btPinCode")) s.btPinCode = Unhex(c["btPinCode"].get<std::string>());
        if (c.contains("btDeviceName")) s.btDeviceName = Unhex(c["btDeviceName"].get<std::string>());
    } catch (const std::exception&) {
        return;  // a damaged state leaves the printer as it was
    }
    settings = std::move(s);
}

}  // namespace pelmora::sim
