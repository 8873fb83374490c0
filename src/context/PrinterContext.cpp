#include "context/PrinterContext.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "context/FirmwareVersion.h"
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

PrinterContext::PrinterContext(link::Platform& platform) : link(platform) {
    link.portText = "COM1:";
    link.baudRate = 115200;
    link.dataBits = 8;
    link.parity = 0;
    link.stopBits = 0;
    link.flowControl = 1;
}

void PrinterContext::ApplyPortSettings() { link.Configure(PendingSettings); }

int PrinterContext::QueryPrinter(std::uint32_t selector) {
    if (!link.IsOpen()) return rc::NotOpen;
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
    if (link.WritePort(command, 3) == 3) return rc::Ok;
    link.ClosePort();
    return rc::ShortWrite;
}

// Reads until a reply ends in 00. Pieces of one reply are gathered behind each
// other; a read that leaves the reply unterminated counts as an empty read, so
// a printer that never ends its reply cannot keep the loop going. From the
// third empty read on each one resends the command, dropping what was
// gathered; after the tenth resend, or on a stop request, the loop gives up.
bool PrinterContext::ResendLoop(const std::uint8_t (&command)[3], std::uint8_t* buffer, int capacity,
                             int& lastCount) {
    int received = 0;
    int emptyReads = 0;
    int resends = 0;
    for (;;) {
        if (link.stopRequest().Requested()) {
            lastCount = 0;
            return false;
        }
        if (received >= capacity) {  // full without an end: not a reply we can use
            std::memset(buffer, 0, static_cast<std::size_t>(capacity));
            received = 0;
        }
        lastCount = link.ReadPort(buffer + received, capacity - received);
        if (lastCount > 0) {
            received += lastCount;
            if (buffer[received - 1] == 0x00) {
                lastCount = received;
                return true;
            }
        }
        if (++emptyReads >= kEmptyReadsBeforeResend) {
            link.WritePort(command, 3);
            std::memset(buffer, 0, static_cast<std::size_t>(capacity));
            received = 0;
            if (++resends >= kMaxResends) {
                lastCount = 0;  // nothing usable came, even if pieces did
                return false;
            }
        }
    }
}

int PrinterContext::QueryCodePage() {
    if (int result = WriteCommand(kQueryCodePage)) return result;
    clock().Sleep(link.layout == link::Layout::Handheld ? 300 : 100);
    CodePageText.clear();
    std::array<std::uint8_t, kReplyBuffer> buffer{};
    int count = 0;
    if (ResendLoop(kQueryCodePage, buffer.data(), kReplyBuffer, count))
        CodePageText = std::string(TextOf(buffer.data(), count));
    link::Tracef(link.platform().trace(), "codepage %s", CodePageText.c_str());
    return rc::Ok;
}

int PrinterContext::QueryModel() {
    if (int result = WriteCommand(kQueryModel)) return result;
    ModelName.clear();
    std::array<std::uint8_t, kReplyBuffer> buffer{};
    int count = 0;
    bool terminated = ResendLoop(kQueryModel, buffer.data(), kReplyBuffer, count);
    if (terminated) {
        // 37 20 00 is the printer still answering an enter-setting-mode; the
        // model reply follows it, in the same read or the next.
        const bool notice = count >= 3 && buffer[0] == 0x37 && buffer[1] == 0x20 && buffer[2] == 0x00;
        if (notice && count == 3) {
            buffer.fill(0);
            count = link.ReadPort(buffer.data(), kReplyBuffer);
            terminated = count > 0 && buffer[static_cast<std::size_t>(count) - 1] == 0x00;
        } else if (notice) {
            std::memmove(buffer.data(), buffer.data() + 3, static_cast<std::size_t>(count - 3));
            std::fill(buffer.begin() + (count - 3), buffer.end(), 0);
            count -= 3;
        }
    }
    const std::string reply(TextOf(buffer.data(), std::max(count, 0)));
    if (terminated) ModelName = reply;
    link::Tracef(link.platform().trace(), "* End : %u", clock().TickCount());
    if (count <= 0) {
        link::Tracef(link.platform().trace(), "Read Error !!!!!");
        link.ClosePort();
        return rc::NoReply;
    }
    link::Tracef(link.platform().trace(), "Model str = %s", reply.c_str());
    ModelCode = ModelCodeFromReply(reply);
    link::Tracef(link.platform().trace(), "****QDM:g_Model %u %s", ModelCode, reply.c_str());
    if (ModelCode == kModelMismatch) {
        link.ClosePort();
        return rc::NotSupported;
    }
    ModelName = reply.substr(1);
    return rc::Ok;
}

int PrinterContext::QueryVersion() {
    if (link.WritePort(kQueryVersion, 3) != 3) {
        link::Tracef(link.platform().trace(), "* Error : AddPtr : Failed to write Get Version GS I Version");
        link.ClosePort();
        return rc::ShortWrite;
    }
    std::array<std::uint8_t, kVersionBuffer> buffer{};
    const std::uint32_t start = clock().TickCount();
    int received = 0;
    while (received < kVersionBuffer) {
        const int count = link.ReadPort(buffer.data() + received, kVersionBuffer - received);
        if (count > 0) received += count;
        if (received > 0 && buffer[static_cast<std::size_t>(received) - 1] == 0x00) {
            link::Tracef(link.platform().trace(), "OK ID Data = %02x ", 0u);
            break;
        }
        if (clock().TickCount() - start > kVersionLimitMs || link.stopRequest().Requested()) {
            link::Tracef(link.platform().trace(), "Timeout Read Check ID");
            break;
        }
    }
    link::Tracef(link.platform().trace(), "* End : %u", clock().TickCount());
    if (received == 0) {
        link::Tracef(link.platform().trace(), "Read Error !!!!!");
        link.ClosePort();
        return rc::NoReply;
    }
    const std::string reply(TextOf(buffer.data(), received));
    link::Tracef(link.platform().trace(), "****Go g_Getver %u %s", FirmwareVersion, reply.c_str());
    FirmwareVersion = FirmwareVersionFromReply(ModelCode, reply);
    VersionText = reply.empty() ? std::string() : reply.substr(1);
    link::Tracef(link.platform().trace(), "****QDM:g_Getver %u %s", FirmwareVersion, reply.c_str());
    return rc::Ok;
}

int PrinterContext::QueryMsrMode() {
    link::Tracef(link.platform().trace(), "* start ESCMI : %u", clock().TickCount());
    if (link.WritePort(kQueryMsrMode, 3) != 3) {
        link::Tracef(link.platform().trace(), "*QDM:chk_OpenCheck: Failed to write MSR Set value");
        link.ClosePort();
        return rc::ShortWrite;
    }
    clock().Sleep(200);
    std::array<std::uint8_t, kReplyBuffer> buffer{};
    int count = 0;
    bool accepted = false;
    for (int attempt = 0; attempt < kMsrAttempts && !accepted; ++attempt) {
        count = link.ReadPort(buffer.data(), kReplyBuffer);
        if (count == 4 && buffer[3] == 0x00) {
            link::Tracef(link.platform().trace(), "OK ID Data = %02x ", 0u);
            accepted = true;
        } else {
            link.WritePort(kQueryMsrMode, 3);
            clock().Sleep(500);
        }
    }
    if (!accepted && count != 4) {
        link::Tracef(link.platform().trace(), "QDM:chk_OpenCheck: Failed to Read MSR Set value = %d", count);
        link.ClosePort();
        return rc::NoReply;
    }
    if (buffer[0] != 0x37) {
        link::Tracef(link.platform().trace(), "QDM:chk_OpenCheck: 2");
        link.ClosePort();
        return rc::BadHeader;
    }
    if (buffer[1] == 0x80 && buffer[3] == 0x00) {
        MsrSetValue = buffer[2];
        return rc::Ok;
    }
    link::Tracef(link.platform().trace(), "QDM:chk_OpenCheck: 1");
    link.ClosePort();
    return rc::BadHeader;
}

int PrinterContext::QueryMaker() {
    if (int result = WriteCommand(kQueryMaker)) return result;
    std::array<std::uint8_t, kReplyBuffer> buffer{};
    int count = 0;
    ResendLoop(kQueryMaker, buffer.data(), kReplyBuffer, count);
    link::Tracef(link.platform().trace(), "* End : %u", clock().TickCount());
    if (count <= 0) {
        link::Tracef(link.platform().trace(), "Read Error !!!!!");
        link.ClosePort();
        return rc::NoReply;
    }
    const std::string reply(TextOf(buffer.data(), count));
    link::Tracef(link.platform().trace(), "****Go Manufacturer %u %s", clock().TickCount(), reply.c_str());
    link::Tracef(link.platform().trace(), "Manufacturer str = %s", reply.c_str());
    if (IsExpectedMaker(reply)) return rc::Ok;
    link.ClosePort();
    return rc::NotSupported;
}

}  // namespace pelmora::context
