#include "vmsm/VmsmReplies.h"

#include <algorithm>
#include <array>

#include "context/ResultCode.h"
#include "vmsm/VmsmBytes.h"

namespace pelmora::vmsm::reply {

namespace {

using namespace bytes;

bool IsDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }

// The reply from the first occurrence of 37 `kind`; empty when there is none.
ByteSpan From(ByteSpan arrived, std::uint8_t kind) {
    const std::array<std::uint8_t, 2> mark{ReplyMark, kind};
    const auto at = std::search(arrived.begin(), arrived.end(), mark.begin(), mark.end());
    return arrived.subspan(static_cast<std::size_t>(at - arrived.begin()));
}

bool StartsWith(ByteSpan reply, std::initializer_list<std::uint8_t> header) {
    return reply.size() >= header.size() && std::equal(header.begin(), header.end(), reply.begin());
}

// Checks shared by the serial and tear-off readers: a missing reply counts as
// a wrong header there; an unended one as a time-out.
int CheckFramed(ByteSpan reply, std::initializer_list<std::uint8_t> header, std::size_t terminatorFrom,
                std::size_t& terminator) {
    if (reply.empty()) return rc::BadHeader;
    const auto nul = std::find(reply.begin() + static_cast<std::ptrdiff_t>(std::min(terminatorFrom, reply.size())),
                               reply.end(), NUL);
    if (nul == reply.end()) return rc::NoReply;
    if (!StartsWith(reply, header)) return rc::BadHeader;
    terminator = static_cast<std::size_t>(nul - reply.begin());
    return rc::Ok;
}

}  // namespace

bool IsSettingModeReply(ByteSpan reply) {
    return reply.size() == 3 && StartsWith(reply, {ReplyMark, ReplySettingMode, NUL});
}

int ParseSwitch(ByteSpan reply, SwitchBits& bits) {
    if (reply.size() != 11) return rc::NoReply;
    if (reply[0] != ReplyMark || reply[1] != ReplySwitch || reply[10] != NUL) return rc::BadHeader;
    SwitchBits read{};
    for (std::size_t i = 0; i < read.size(); ++i) {
        read[i] = reply[2 + i];
        if (read[i] != BitOff && read[i] != BitOn) return rc::BadHeader;
    }
    bits = read;
    return rc::Ok;
}

int ParseSerialSetting(ByteSpan reply, std::uint8_t k, PrinterConfig& config) {
    std::size_t end = 0;
    const auto kChar = static_cast<std::uint8_t>('0' + k);
    if (const int code = CheckFramed(reply, {ReplyMark, ReplySerial, kChar, US}, 0, end); code != rc::Ok)
        return code;
    const ByteSpan value = reply.subspan(4, end > 4 ? end - 4 : 0);
    if (value.empty() || !IsDigit(value[0])) return rc::BadHeader;
    switch (k) {
    case 1: {
        std::uint32_t baud = 0;
        for (std::size_t i = 0; i < value.size() && IsDigit(value[i]); ++i) baud = baud * 10 + (value[i] - '0');
        config.Baudrate = baud;
        break;
    }
    case 2: config.Parity = value[0] - '0'; break;
    case 3: config.Flowcontrol = value[0] - '0'; break;
    case 4: config.Databit = value[0] - '0'; break;
    default: return rc::BadHeader;
    }
    return rc::Ok;
}

int ParseTearOff(ByteSpan reply, std::uint32_t& position) {
    std::size_t end = 0;
    // The two value bytes come before the terminator is looked for.
    if (const int code = CheckFramed(reply, {ReplyMark, ReplyTearOff, '0', US}, 6, end); code != rc::Ok)
        return code;
    position = reply[4] + 256u * reply[5];
    return rc::Ok;
}

int ParseRfInterface(ByteSpan arrived, std::uint32_t& rfInterface) {
    const ByteSpan reply = From(arrived, ReplySwitch);
    if (reply.size() < 10 || reply[8] == NUL || reply[9] == NUL) return rc::RfNoData;
    rfInterface = reply[8] != BitOff ? 2 : reply[9] != BitOff ? 1 : 0;
    return rc::Ok;
}

int ParseBtItem(ByteSpan reply, std::uint8_t item, PrinterConfig& config) {
    if (!StartsWith(reply, {ReplyMark, ReplyBluetooth})) return rc::NoReply;
    if (reply.size() < 3 || reply[2] != item) return rc::BadHeader;
    const ByteSpan rest = reply.subspan(3);
    const ByteSpan value = rest.first(static_cast<std::size_t>(std::find(rest.begin(), rest.end(), NUL) - rest.begin()));
    const std::uint8_t first = value.empty() ? NUL : value[0];
    switch (item) {
    case BtConnMode:
        if (first < '1' || first > '9') return rc::BadHeader;
        config.BtConnMode = first - '1';
        break;
    case BtSecurity:
        if (!IsDigit(first)) return rc::BadHeader;
        config.BtSecurity = first - '0';
        break;
    case BtDeviceName: config.BtDeviceName.assign(value.begin(), value.end()); break;
    case BtPinCode: config.BtPinCode.assign(value.begin(), value.end()); break;
    default: return rc::BadHeader;
    }
    return rc::Ok;
}

int ParseSentinels(ByteSpan arrived, int track, SentinelText& start, SentinelText& end) {
    if (arrived.empty()) return rc::NoReply;
    const ByteSpan reply = From(arrived, ReplySentinels);
    if (reply.size() < 3) return reply.empty() ? rc::BadHeader : rc::NoReply;
    if (reply[2] != '0' + track) return rc::BadHeader;
    SentinelText first, second;
    SentinelText* text = &first;
    std::size_t i = 3;
    for (; i < reply.size() && reply[i] != NUL; ++i) {
        if (reply[i] == US && text == &first) {
            text = &second;
            continue;
        }
        text->push_back(static_cast<char>(reply[i]));
    }
    if (i == reply.size()) return rc::NoReply;
    if (first.size() > kSentinelMax || second.size() > kSentinelMax) return rc::BadHeader;
    start = std::move(first);
    end = std::move(second);
    return rc::Ok;
}

}  // namespace pelmora::vmsm::reply
