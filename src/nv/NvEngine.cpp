#include "nv/NvEngine.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "context/ResultCode.h"
#include "nv/KeyCodeReply.h"

namespace pelmora::nv {

namespace {
constexpr std::uint32_t kKeyCodeBlockPauseMs = 150;
constexpr int kKeyCodeReadSize = 255;
constexpr int kKeyCodeEmptyReadsBeforeResend = 2;
constexpr int kKeyCodeResends = 10;
// Each block can carry hundreds of codes; a printer still saying "more" after
// this many is babbling, and the list read must end.
constexpr int kMaxKeyCodeBlocks = 256;
constexpr std::size_t kDownloadPiece = 4096;
constexpr std::int32_t kUnknownNumberedCount = 78;
// Numbered images are addressed by one byte.
constexpr std::uint32_t kMaxNumberedImages = 256;

struct KeyCodeBytes {
    std::uint8_t kc1, kc2;
};

std::optional<KeyCodeBytes> KeyCodeOf(const std::string& code) {
    if (code.size() < 2) return std::nullopt;
    return KeyCodeBytes{static_cast<std::uint8_t>(code[0]), static_cast<std::uint8_t>(code[1])};
}

/// Gathers one reply block: reads of up to 255 bytes until a 00 arrives. An
/// empty read loses what came before it; from the third empty read on, each
/// one asks again, up to ten times. Nothing is written past the block buffer.
struct GatheredBlock {
    std::vector<std::uint8_t> bytes;
    bool overfull = false;
};

GatheredBlock GatherKeyCodeBlock(link::PrinterLink& dev, const Bytes& request) {
    GatheredBlock block;
    block.bytes.reserve(kKeyCodeBlockCapacity);
    int emptyReads = 0;
    int resends = 0;
    while (resends < kKeyCodeResends) {
        std::array<std::uint8_t, kKeyCodeReadSize> chunk{};
        const int count = std::min(dev.ReadPort(chunk.data(), kKeyCodeReadSize), kKeyCodeReadSize);
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                if (block.bytes.size() == kKeyCodeBlockCapacity) {
                    block.overfull = true;
                    return block;
                }
                block.bytes.push_back(chunk[i]);
                if (chunk[i] == 0x00) return block;
            }
        } else {
            block.bytes.clear();
            if (dev.stopRequest().Requested()) return block;
            if (++emptyReads > kKeyCodeEmptyReadsBeforeResend) {
                dev.WritePort(request);  // a failed resend shows as the next empty read
                ++resends;
            }
        }
    }
    return block;
}
}  // namespace

NvEngine::NvEngine(context::PrinterContext& util, context::SettingsStore& store) : util_(util), store_(store) {}

bool NvEngine::Send(const Bytes& bytes) {
    if (util_.link().WritePort(bytes) == static_cast<int>(bytes.size())) return true;
    util_.link().ClosePort();
    return false;
}

int NvEngine::FailBadReply() {
    util_.link().WritePort(Bytes{byte::CAN});
    util_.link().ClosePort();
    return rc::BadHeader;
}

int NvEngine::ReadKeyCodeList() {
    auto& dev = util_.link();
    if (!dev.IsOpen()) return rc::NotOpen;
    const Bytes request = ReadKeyCodeListCommand();
    if (!Send(request)) return rc::ShortWrite;

    bool continuation = false;
    for (int blockIndex = 0; blockIndex < kMaxKeyCodeBlocks; ++blockIndex) {
        util_.clock().Sleep(kKeyCodeBlockPauseMs);
        const GatheredBlock gathered = GatherKeyCodeBlock(dev, request);
        // A block that fills the buffer without its closing 00 cannot be read whole.
        if (gathered.overfull) return FailBadReply();
        const KeyCodeBlock block = ParseKeyCodeBlock(gathered.bytes);
        if (block.kind == KeyCodeBlock::Kind::Bad) return FailBadReply();
        if (!Send(Bytes{byte::ACK})) return rc::ShortWrite;

        if (!continuation) addressList_.clear();
        if (block.kind == KeyCodeBlock::Kind::Empty) return rc::Nothing;
        addressList_.insert(addressList_.end(), block.codes.begin(), block.codes.end());
        if (!block.more) return rc::Ok;
        continuation = true;
    }
    return FailBadReply();
}

int NvEngine::ReadStoredAddresses() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const std::uint32_t stored = ReadStoredCount();
    imageCount_ = static_cast<std::int32_t>(stored);
    if (stored == 0) return rc::Nothing;
    addressList_.clear();
    // A damaged "Count" must not make millions of entries; one byte numbers them all.
    const std::uint32_t count = std::min(stored, kMaxNumberedImages);
    for (std::uint32_t n = 0; n < count; ++n) {
        char text[12];
        std::snprintf(text, sizeof text, "%02u", n);
        addressList_.emplace_back(text);
    }
    return rc::Ok;
}

int NvEngine::DeleteKeyCodeImage(const std::string& code) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto kc = KeyCodeOf(code);
    if (!kc) return rc::CodeTooShort;
    return Send(DeleteKeyCodeCommand(kc->kc1, kc->kc2)) ? rc::Ok : rc::ShortWrite;
}

int NvEngine::DeleteAllKeyCodeImages() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    return Send(DeleteAllKeyCodesCommand()) ? rc::Ok : rc::ShortWrite;
}

int NvEngine::PrintKeyCodeImage(const std::string& code) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    const auto kc = KeyCodeOf(code);
    if (!kc) return rc::CodeTooShort;
    return Send(PrintKeyCodeCommand(kc->kc1, kc->kc2)) ? rc::Ok : rc::ShortWrite;
}

int NvEngine::PrintAllKeyCodeImages() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (addressList_.empty()) return rc::Nothing;
    for (const auto& code : addressList_) {
        const auto kc = KeyCodeOf(code);
        if (!kc) return rc::CodeTooShort;
        if (!Send(PrintKeyCodeCommand(kc->kc1, kc->kc2))) return rc::ShortWrite;
    }
    return rc::Ok;
}

int NvEngine::DeleteAllNumberedImages() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    if (!Send(DeleteAllNumberedCommand())) return rc::ShortWrite;
    imageCount_ = 0;
    WriteStoredCount(0);
    return rc::Ok;
}

int NvEngine::PrintNumberedImage(std::uint8_t n) {
    return Send(PrintNumberedCommand(n)) ? rc::Ok : rc::ShortWrite;
}

int NvEngine::PrintAllNumberedImages() {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    // Zero means "not known": print every number a printer is likely to hold.
    // A negative count prints nothing; more than one byte can number is capped.
    const std::int32_t count = imageCount_ != 0 ? imageCount_ : kUnknownNumberedCount;
    const std::int32_t last = std::min<std::int32_t>(count, kMaxNumberedImages);
    for (std::int32_t n = 0; n < last; ++n)
        if (!Send(PrintNumberedCommand(static_cast<std::uint8_t>(n)))) return rc::ShortWrite;
    return rc::Ok;
}

int NvEngine::SendLegacyDownloadHeader(std::uint8_t n, std::uint32_t total) {
    if (!util_.link().IsOpen()) return rc::NotOpen;
    return Send(LegacyDownloadHeader(n, total)) ? rc::Ok : rc::ShortWrite;
}

int NvEngine::SendDownloadBlock(const NvDownloadBlock& block) {
    std::size_t offset = 0;
    while (offset < block.bytes.size()) {
        const std::size_t piece = std::min(kDownloadPiece, block.bytes.size() - offset);
        const int written = util_.link().WritePort(block.bytes.data() + offset, static_cast<int>(piece));
        if (written != static_cast<int>(piece)) {
            util_.link().ClosePort();
            return rc::ShortWrite;
        }
        offset += piece;
    }
    return rc::Ok;
}

std::uint32_t NvEngine::ReadStoredCount() const {
    std::uint32_t count = 0;
    store_.GetRegDword(NvKey, kCountValue, count);
    return count;
}

bool NvEngine::WriteStoredCount(std::uint32_t count) {
    return store_.SetRegDword(NvKey, kCountValue, count) == 1;
}

}  // namespace pelmora::nv
