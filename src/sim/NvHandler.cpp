#include "sim/NvHandler.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>

#include <nlohmann/json.hpp>

#include "context/FirmwareCapabilities.h"
#include "nv/NvBlocks.h"
#include "nv/NvCommands.h"
#include "nv/RasterPng.h"

namespace pelmora::sim {

namespace {

namespace byte = nv::byte;

constexpr std::uint8_t kListDone = 0x40;  // status of the last block of the list
constexpr std::size_t kLegacyHeaderSize = 9;

std::uint32_t Le16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
    return Le16(b, at) | (Le16(b, at + 2) << 16);
}

std::size_t RasterSize(std::uint32_t width, std::uint32_t height) { return (width + 7) / 8 * std::size_t{height}; }

std::string ToHex(const std::vector<std::uint8_t>& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        text.push_back(digits[b >> 4]);
        text.push_back(digits[b & 0xF]);
    }
    return text;
}

std::string ToHex(const std::string& text) { return ToHex(std::vector<std::uint8_t>(text.begin(), text.end())); }

bool FromHex(const std::string& text, std::vector<std::uint8_t>& out) {
    if (text.size() % 2) return false;
    out.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        if (std::sscanf(text.c_str() + i, "%2x", &value) != 1) return false;
        out.push_back(static_cast<std::uint8_t>(value));
    }
    return true;
}

nlohmann::json ImageJson(const NvStoredImage& image) {
    return {{"width", image.width}, {"height", image.height}, {"raster", ToHex(image.raster)}};
}

bool ImageFromJson(const nlohmann::json& j, NvStoredImage& image) {
    if (!j.is_object() || !j.contains("raster") || !j["raster"].is_string()) return false;
    image.width = j.value<std::uint16_t>("width", 0);
    image.height = j.value<std::uint16_t>("height", 0);
    return FromHex(j["raster"].get<std::string>(), image.raster) && image.width && image.height &&
           image.raster.size() == RasterSize(image.width, image.height);
}

std::string PngName(const std::string& code) {
    const bool plain = std::all_of(code.begin(), code.end(),
                                   [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
    return "nv-" + (plain ? code : "x" + ToHex(code)) + ".png";
}

bool WritePng(const NvStoredImage& image, const std::filesystem::path& file) {
    std::string ignored;
    return nv::WriteRasterPng({image.width, image.height, image.raster}, file.string(), ignored);
}

}  // namespace

bool NvHandler::LegacyFirmware() const { return context::IsLegacyDialect(printer_.FirmwareNumber()); }

const NvStoredImage* NvHandler::FindKeyCode(const std::string& code) const {
    for (const auto& [stored, image] : keyCode_)
        if (stored == code) return &image;
    return nullptr;
}

CommandHandler::Match NvHandler::Handle(std::span<const std::uint8_t> input, std::size_t& consumed,
                                        std::string& key, std::vector<Reply>& replies) {
    if (input.empty()) return Match::No;
    switch (input[0]) {
    case byte::ACK:
    case byte::CAN:
        // Only an answer to a list block is ours; elsewhere these bytes mean nothing to us.
        if (!listingOpen_) return Match::No;
        consumed = 1;
        if (input[0] == byte::CAN) {
            key = "nv-can";
            listing_.clear();
            listingOpen_ = false;
        } else {
            key = "nv-ack";
            if (listing_.empty()) listingOpen_ = false;
            else replies.push_back(NextListBlock());
        }
        return Match::Yes;
    case byte::GS: return HandleKeyCodeCommand(input, consumed, key, replies);
    case byte::LegacyPrefix1: return HandleLegacyCommand(input, consumed, key);
    case byte::NumberedBlockMarker:
        if (numberedRemaining_ == 0) return Match::No;
        return HandleNumberedBlock(input, consumed, key);
    default: return Match::No;
    }
}

CommandHandler::Match NvHandler::HandleKeyCodeCommand(std::span<const std::uint8_t> input, std::size_t& consumed,
                                                      std::string& key, std::vector<Reply>& replies) {
    if (input.size() >= 2 && input[1] != byte::OpenParen) return Match::No;
    if (input.size() >= 3 && input[2] != byte::L) return Match::No;
    if (input.size() < 5) return Match::NeedMore;
    const std::size_t total = 5 + Le16(input, 3);
    if (input.size() < total) return Match::NeedMore;
    consumed = total;
    const auto command = input.first(total);
    if (LegacyFirmware()) {
        key = "nv-unsupported";
        return Match::Yes;
    }
    key = "nv-gs-L-unknown";
    if (total < 7 || command[5] != byte::m48) return Match::Yes;
    const std::uint8_t function = command[6];
    const std::size_t p = total - 5;
    if (function == byte::FnKeyCodeList) {
        key = "nv-list";
        listing_.clear();
        for (const auto& entry : keyCode_) listing_.push_back(entry.first);
        replies.push_back(NextListBlock());
    } else if (function == byte::FnDeleteAll && p == 5 && command[7] == 'C' && command[8] == 'L' &&
               command[9] == 'R') {
        key = "nv-delete-all";
        keyCode_.clear();
    } else if (function == byte::FnDeleteOne && p == 4) {
        key = "nv-delete";
        const std::string code{static_cast<char>(command[7]), static_cast<char>(command[8])};
        std::erase_if(keyCode_, [&](const auto& entry) { return entry.first == code; });
    } else if (function == byte::FnPrint && p == 6) {
        key = "nv-print";
        const std::string code{static_cast<char>(command[7]), static_cast<char>(command[8])};
        if (FindKeyCode(code)) printed_.push_back(code);
    } else if (function == byte::FnDefineRaster) {
        DefineRaster(command, key);
    }
    return Match::Yes;
}

void NvHandler::DefineRaster(std::span<const std::uint8_t> command, std::string& key) {
    key = "nv-define-bad";
    if (command.size() < nv::kRasterDefinitionHead) return;
    if (command[7] != 0x30 || command[10] != 0x01 || command[15] != byte::Colour1) return;
    NvStoredImage image;
    image.width = static_cast<std::uint16_t>(Le16(command, 11));
    image.height = static_cast<std::uint16_t>(Le16(command, 13));
    const auto raster = command.subspan(nv::kRasterDefinitionHead);
    if (!image.width || !image.height || raster.size() != RasterSize(image.width, image.height)) return;
    image.raster.assign(raster.begin(), raster.end());

    key = "nv-define";
    const std::string code{static_cast<char>(command[8]), static_cast<char>(command[9])};
    for (auto& entry : keyCode_) {
        if (entry.first == code) {
            entry.second = std::move(image);
            return;
        }
    }
    keyCode_.emplace_back(code, std::move(image));
}

Reply NvHandler::NextListBlock() {
    Reply reply;
    reply.bytes = {byte::ReplyHeader, byte::KeyCodeReplyTag, kListDone};
    const std::size_t count = std::min(std::max<std::size_t>(codesPerBlock, 1), listing_.size());
    for (std::size_t i = 0; i < count; ++i) reply.bytes.insert(reply.bytes.end(), listing_[i].begin(), listing_[i].end());
    listing_.erase(listing_.begin(), listing_.begin() + static_cast<std::ptrdiff_t>(count));
    if (!listing_.empty()) reply.bytes[2] = byte::MoreBlocksFollow;
    reply.bytes.push_back(0x00);
    listingOpen_ = true;
    return reply;
}

CommandHandler::Match NvHandler::HandleLegacyCommand(std::span<const std::uint8_t> input, std::size_t& consumed,
                                                     std::string& key) {
    if (input.size() >= 2 && input[1] != byte::LegacyPrefix2) return Match::No;
    if (input.size() < 3) return Match::NeedMore;
    if (input[2] == byte::LegacyDownload) {
        if (input.size() < kLegacyHeaderSize) return Match::NeedMore;
        consumed = kLegacyHeaderSize;
        if (!LegacyFirmware()) {
            key = "nv-unsupported";
            return Match::Yes;
        }
        key = "nv-legacy-header";
        const std::uint32_t length = Le32(input, 3);
        numbered_.clear();  // a download replaces every numbered image
        numberedRemaining_ = length >= 2 ? length - 2 : 0;
        return Match::Yes;
    }
    if (input[2] != byte::LegacyImage) return Match::No;
    if (input.size() < 5) return Match::NeedMore;
    const std::size_t total = 5 + Le16(input, 3);
    if (input.size() < total) return Match::NeedMore;
    consumed = total;
    if (!LegacyFirmware()) {
        key = "nv-unsupported";
        return Match::Yes;
    }
    key = "nv-legacy-unknown";
    if (total >= 6 && input[5] == byte::LegacyDeleteAll) {
        key = "nv-legacy-delete-all";
        numbered_.clear();
    } else if (total >= 9 && input[5] == byte::LegacyPrint) {
        key = "nv-legacy-print";
        const std::uint8_t n = input[6];
        if (n < numbered_.size()) printed_.push_back("#" + std::to_string(n));
    }
    return Match::Yes;
}

CommandHandler::Match NvHandler::HandleNumberedBlock(std::span<const std::uint8_t> input, std::size_t& consumed,
                                                     std::string& key) {
    if (input.size() < nv::kNumberedBlockHead) return Match::NeedMore;
    NvStoredImage image;
    image.width = static_cast<std::uint16_t>(Le16(input, 1));
    image.height = static_cast<std::uint16_t>(Le16(input, 3));
    const std::size_t total = nv::kNumberedBlockHead + RasterSize(image.width, image.height);
    if (!image.width || !image.height || input[5] != byte::Colour1 || total > numberedRemaining_) {
        // Not what the header announced: the rest of the stream is not ours.
        numberedRemaining_ = 0;
        consumed = 1;
        key = "nv-legacy-block-bad";
        return Match::Yes;
    }
    if (input.size() < total) return Match::NeedMore;
    consumed = total;
    key = "nv-legacy-block";
    image.raster.assign(input.begin() + nv::kNumberedBlockHead, input.begin() + static_cast<std::ptrdiff_t>(total));
    numbered_.push_back(std::move(image));
    numberedRemaining_ -= total;
    return Match::Yes;
}

void NvHandler::SaveState(nlohmann::json& state) const {
    nlohmann::json nv = nlohmann::json::object();
    nv["keyCodes"] = nlohmann::json::array();
    for (const auto& [code, image] : keyCode_) {
        auto entry = ImageJson(image);
        entry["code"] = ToHex(code);
        nv["keyCodes"].push_back(entry);
    }
    nv["numbered"] = nlohmann::json::array();
    for (const auto& image : numbered_) nv["numbered"].push_back(ImageJson(image));
    nv["printed"] = nlohmann::json::array();
    for (const auto& what : printed_) nv["printed"].push_back(ToHex(what));
    state["nv"] = nv;
}

void NvHandler::LoadState(const nlohmann::json& state) {
    const auto it = state.find("nv");
    if (it == state.end() || !it->is_object()) return;
    keyCode_.clear();
    numbered_.clear();
    printed_.clear();
    std::vector<std::uint8_t> bytes;
    if (auto codes = it->find("keyCodes"); codes != it->end() && codes->is_array()) {
        for (const auto& entry : *codes) {
            NvStoredImage image;
            if (!ImageFromJson(entry, image) || !entry["code"].is_string()) continue;
            if (!FromHex(entry["code"].get<std::string>(), bytes) || bytes.size() != 2) continue;
            keyCode_.emplace_back(std::string(bytes.begin(), bytes.end()), std::move(image));
        }
    }
    if (auto numbered = it->find("numbered"); numbered != it->end() && numbered->is_array()) {
        for (const auto& entry : *numbered) {
            NvStoredImage image;
            if (ImageFromJson(entry, image)) numbered_.push_back(std::move(image));
        }
    }
    if (auto printed = it->find("printed"); printed != it->end() && printed->is_array()) {
        for (const auto& entry : *printed)
            if (entry.is_string() && FromHex(entry.get<std::string>(), bytes)) printed_.emplace_back(bytes.begin(), bytes.end());
    }
}

bool NvHandler::WritePngs(const std::filesystem::path& dir, std::string& error) const {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        error = "cannot create " + dir.string() + ": " + ec.message();
        return false;
    }
    std::set<std::string> written;
    auto write = [&](const NvStoredImage& image, const std::string& name) {
        if (!WritePng(image, dir / name)) {
            error = "cannot write " + (dir / name).string();
            return false;
        }
        written.insert(name);
        return true;
    };
    for (const auto& [code, image] : keyCode_)
        if (!write(image, PngName(code))) return false;
    for (std::size_t n = 0; n < numbered_.size(); ++n) {
        char name[48];
        std::snprintf(name, sizeof name, "nv-numbered-%03u.png", static_cast<unsigned>(n));
        if (!write(numbered_[n], name)) return false;
    }
    for (const auto& file : std::filesystem::directory_iterator(dir, ec)) {
        const std::string name = file.path().filename().string();
        if (name.rfind("nv-", 0) == 0 && file.path().extension() == ".png" && !written.count(name))
            std::filesystem::remove(file.path(), ec);
    }
    return true;
}

}  // namespace pelmora::sim
