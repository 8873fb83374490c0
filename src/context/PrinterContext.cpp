#include "context/PrinterContext.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "context/FirmwareVersion.h"
#include "context/LateReplies.h"
#include "context/ResultCode.h"

namespace pelmora::context {

namespace {

using Command = std::uint8_t[3];
constexpr Command kQueryCodePage = {0x1D, 0x49, 0x45};  // GS I E
constexpr Command kQueryModel = {0x1D, 0x49, 0x43};     // GS I C
constexpr Command kQueryVersion = {0x1D, 0x49, 0x41};   // GS I A
constexpr Command kQueryMsrMode = {0x1B, 0x4D, 0x49};   // ESC M I
constexpr Command kQueryMaker = {0x1D, 0x49, 0x42};     // GS I B

constexpr int kReplyBuffer = 100;
constexpr int kVersionBuffer = 40;
constexpr int kEmptyReadsBeforeResend = 3;
constexpr int kMaxResends = 10;
constexpr std::uint32_t kVersionLimitMs = 3000;
constexpr int kMsrAttempts = 10;

// The reply text up to its first 00, never past what was received.
std::string_view TextOf(const std::uint8_t* buffer, int received) {
    const auto* begin = reinterpret_cast<const char*>(buffer);
    const auto* end = static_cast<const char*>(std::memchr(begin, 0, static_cast<std::size_t>(received)));
    return std::string_view(begin, end ? static_cast<std::size_t>(end - begin) : static_cast<std::size_t>(received));
}

}  // namespace

PrinterContext::PrinterContext(link::Platform& platform) : link_(platform) {}

void PrinterContext::HandOver(const link::CommSettings& settings) {
    pendingSettings_ = settings;
    link_.Configure(settings);
}

int PrinterContext::QueryPrinter(std::uint32_t selector) {
    if (!link_.IsOpen()) return rc::NotOpen;
    // A job begins with one of these; an earlier job's lateness is not this one's.
    if (selector == QUERY_MODEL || selector == QUERY_MAKER) lateAnswerMs_ = 0;
    switch (selector) {
    case QUERY_CODEPAGE: return QueryCodePage();
    case QUERY_MODEL: return QueryModel();
    case QUERY_VERSION: return QueryVersion();
    case QUERY_MSR_MODE: return QueryMsrMode();
    case QUERY_MAKER: return QueryMaker();
    default: return rc::Ok;
    }
}

int PrinterContext::WriteCommand(const std::uint8_t (&command)[3]) {
    if (link_.WritePort(command, 3) == 3) return rc::Ok;
    link_.ClosePort();
    return rc::ShortWrite;
}

// Reads until a reply ends in 00. Pieces of one reply are gathered behind each
// other; a read that leaves the reply unterminated counts as an empty read, so
// a printer that never ends its reply cannot keep the loop going. From the
// third empty read on each one resends the command, dropping what was
// gathered; after the tenth resend, or on a stop request, the loop gives up.
// An answer that came only after a resend may be followed by the answers to
// the other sends: they are dropped before the next question.
bool PrinterContext::ResendLoop(std::uint32_t selector, const std::uint8_t (&command)[3], std::uint8_t* buffer,
                                int capacity, int& lastCount) {
    const std::uint32_t start = clock().TickCount();
    int received = 0;
    int emptyReads = 0;
    int resends = 0;
    for (;;) {
        if (link_.stopRequest().Requested()) {
            lastCount = 0;
            return false;
        }
        if (received >= capacity) {  // full without an end: not a reply we can use
            std::memset(buffer, 0, static_cast<std::size_t>(capacity));
            received = 0;
        }
        lastCount = link_.ReadPort(buffer + received, capacity - received);
        if (lastCount > 0) {
            received = DropOutOfTurn(selector, buffer, received + lastCount);
            if (received > 0 && buffer[received - 1] == 0x00) {
                lastCount = received;
                Remember(selector, TextOf(buffer, received));
                if (resends > 0) {
                    const std::uint32_t took = clock().TickCount() - start;
                    lateAnswerMs_ = std::max(lateAnswerMs_, took);
                    DropLateReplies(link_, took);
                }
                return true;
            }
        }
        if (link_.stopRequest().Requested()) {
            lastCount = 0;
            return false;
        }
        if (++emptyReads >= kEmptyReadsBeforeResend) {
            link_.WritePort(command, 3);
            std::memset(buffer, 0, static_cast<std::size_t>(capacity));
            received = 0;
            if (++resends >= kMaxResends) {
                lastCount = 0;  // nothing usable came, even if pieces did
                return false;
            }
        }
    }
}

// Answers to the previous query at the front of what was gathered are that
// query's answer again (sent twice, or late); what follows them is kept.
int PrinterContext::DropOutOfTurn(std::uint32_t selector, std::uint8_t* buffer, int received) const {
    if (selector == lastSelector_ || lastReply_.empty()) return received;
    for (;;) {
        const auto* end = static_cast<const std::uint8_t*>(std::memchr(buffer, 0, static_cast<std::size_t>(received)));
        if (!end) return received;
        const int frame = static_cast<int>(end - buffer) + 1;
        if (TextOf(buffer, frame) != lastReply_) return received;
        std::memmove(buffer, buffer + frame, static_cast<std::size_t>(received - frame));
        std::memset(buffer + received - frame, 0, static_cast<std::size_t>(frame));
        received -= frame;
    }
}

void PrinterContext::Remember(std::uint32_t selector, std::string_view reply) {
    lastSelector_ = selector;
    lastReply_ = std::string(reply);
}

int PrinterContext::QueryCodePage() {
    if (int result = WriteCommand(kQueryCodePage)) return result;
    clock().Sleep(link_.layout() == link::Layout::Handheld ? 300 : 100);
    identity_.codePageText.clear();
    std::array<std::uint8_t, kReplyBuffer> buffer{};
    int count = 0;
    if (ResendLoop(QUERY_CODEPAGE, kQueryCodePage, buffer.data(), kReplyBuffer, count))
        identity_.codePageText = std::string(TextOf(buffer.data(), count));
    link::Tracef(link_.platform().trace(), "codepage %s", identity_.codePageText.c_str());
    return rc::Ok;
}

int PrinterContext::QueryModel() {
    if (int result = WriteCommand(kQueryModel)) return result;
    identity_.modelName.clear();
    std::array<std::uint8_t, kReplyBuffer> buffer{};
    int count = 0;
    bool terminated = ResendLoop(QUERY_MODEL, kQueryModel, buffer.data(), kReplyBuffer, count);
    if (terminated) {
        // 37 20 00 is the printer still answering an enter-setting-mode; the
        // model reply follows it, in the same read or the next.
        const bool notice = count >= 3 && buffer[0] == 0x37 && buffer[1] == 0x20 && buffer[2] == 0x00;
        if (notice && count == 3) {
            buffer.fill(0);
            count = link_.ReadPort(buffer.data(), kReplyBuffer);
            terminated = count > 0 && buffer[static_cast<std::size_t>(count) - 1] == 0x00;
        } else if (notice) {
            std::memmove(buffer.data(), buffer.data() + 3, static_cast<std::size_t>(count - 3));
            std::fill(buffer.begin() + (count - 3), buffer.end(), 0);
            count -= 3;
        }
    }
    const std::string reply(TextOf(buffer.data(), std::max(count, 0)));
    if (terminated) identity_.modelName = reply;
    link::Tracef(link_.platform().trace(), "* End : %u", clock().TickCount());
    if (count <= 0) {
        link::Tracef(link_.platform().trace(), "Read Error !!!!!");
        link_.ClosePort();
        return rc::NoReply;
    }
    link::Tracef(link_.platform().trace(), "Model str = %s", reply.c_str());
    identity_.modelCode = ModelCodeFromReply(reply);
    link::Tracef(link_.platform().trace(), "****QDM:g_Model %u %s", identity_.modelCode, reply.c_str());
    if (identity_.modelCode == kModelMismatch) {
        link_.ClosePort();
        return rc::NotSupported;
    }
    identity_.modelName = reply.substr(1);
    return rc::Ok;
}

int PrinterContext::QueryVersion() {
    if (link_.WritePort(kQueryVersion, 3) != 3) {
        link::Tracef(link_.platform().trace(), "* Error : AddPtr : Failed to write Get Version GS I Version");
        link_.ClosePort();
        return rc::ShortWrite;
    }
    std::array<std::uint8_t, kVersionBuffer> buffer{};
    const std::uint32_t start = clock().TickCount();
    int received = 0;
    while (received < kVersionBuffer) {
        const int count = link_.ReadPort(buffer.data() + received, kVersionBuffer - received);
        if (count > 0) received = DropOutOfTurn(QUERY_VERSION, buffer.data(), received + count);
        if (received > 0 && buffer[static_cast<std::size_t>(received) - 1] == 0x00) {
            link::Tracef(link_.platform().trace(), "OK ID Data = %02x ", 0u);
            Remember(QUERY_VERSION, TextOf(buffer.data(), received));
            break;
        }
        if (clock().TickCount() - start > kVersionLimitMs || link_.stopRequest().Requested()) {
            link::Tracef(link_.platform().trace(), "Timeout Read Check ID");
            break;
        }
    }
    link::Tracef(link_.platform().trace(), "* End : %u", clock().TickCount());
    if (received == 0) {
        link::Tracef(link_.platform().trace(), "Read Error !!!!!");
        link_.ClosePort();
        return rc::NoReply;
    }
    const std::string reply(TextOf(buffer.data(), received));
    link::Tracef(link_.platform().trace(), "****Go g_Getver %u %s", identity_.firmwareVersion, reply.c_str());
    identity_.firmwareVersion = FirmwareVersionFromReply(identity_.modelCode, reply);
    identity_.versionText = reply.empty() ? std::string() : reply.substr(1);
    link::Tracef(link_.platform().trace(), "****QDM:g_Getver %u %s", identity_.firmwareVersion, reply.c_str());
    return rc::Ok;
}

int PrinterContext::QueryMsrMode() {
    link::Tracef(link_.platform().trace(), "* start ESCMI : %u", clock().TickCount());
    if (link_.WritePort(kQueryMsrMode, 3) != 3) {
        link::Tracef(link_.platform().trace(), "*QDM:chk_OpenCheck: Failed to write MSR Set value");
        link_.ClosePort();
        return rc::ShortWrite;
    }
    clock().Sleep(200);
    std::array<std::uint8_t, kReplyBuffer> buffer{};
    int count = 0;
    bool accepted = false;
    for (int attempt = 0; attempt < kMsrAttempts && !accepted; ++attempt) {
        count = link_.ReadPort(buffer.data(), kReplyBuffer);
        if (count == 4 && buffer[3] == 0x00) {
            link::Tracef(link_.platform().trace(), "OK ID Data = %02x ", 0u);
            accepted = true;
        } else if (link_.stopRequest().Requested()) {
            break;
        } else {
            link_.WritePort(kQueryMsrMode, 3);
            clock().Sleep(500);
        }
    }
    if (!accepted && count != 4) {
        link::Tracef(link_.platform().trace(), "QDM:chk_OpenCheck: Failed to Read MSR Set value = %d", count);
        link_.ClosePort();
        return rc::NoReply;
    }
    if (buffer[0] != 0x37) {
        link::Tracef(link_.platform().trace(), "QDM:chk_OpenCheck: 2");
        link_.ClosePort();
        return rc::BadHeader;
    }
    if (buffer[1] == 0x80 && buffer[3] == 0x00) {
        identity_.msrSetValue = buffer[2];
        return rc::Ok;
    }
    link::Tracef(link_.platform().trace(), "QDM:chk_OpenCheck: 1");
    link_.ClosePort();
    return rc::BadHeader;
}

int PrinterContext::QueryMaker() {
    if (int result = WriteCommand(kQueryMaker)) return result;
    std::array<std::uint8_t, kReplyBuffer> buffer{};
    int count = 0;
    ResendLoop(QUERY_MAKER, kQueryMaker, buffer.data(), kReplyBuffer, count);
    link::Tracef(link_.platform().trace(), "* End : %u", clock().TickCount());
    if (count <= 0) {
        link::Tracef(link_.platform().trace(), "Read Error !!!!!");
        link_.ClosePort();
        return rc::NoReply;
    }
    const std::string reply(TextOf(buffer.data(), count));
    link::Tracef(link_.platform().trace(), "****Go Manufacturer %u %s", clock().TickCount(), reply.c_str());
    link::Tracef(link_.platform().trace(), "Manufacturer str = %s", reply.c_str());
    if (IsExpectedMaker(reply)) return rc::Ok;
    link_.ClosePort();
    return rc::NotSupported;
}

}  // namespace pelmora::context
