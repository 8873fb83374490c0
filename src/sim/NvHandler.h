#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "sim/PrinterModel.h"

namespace pelmora::sim {

/// One image in the printer's NV memory.
struct NvStoredImage {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::uint8_t> raster;  ///< rows of ceil(width / 8) bytes, MSB leftmost, 1 black
};

/// NV graphics: GS ( L definitions under two-byte key codes with the key-code
/// list (in blocks, each acknowledged), print and delete; and, on firmware of
/// the older command set, numbered images downloaded in one stream. A command
/// of the other dialect is taken and ignored, as an older printer would.
class NvHandler final : public CommandHandler {
public:
    explicit NvHandler(PrinterModel& printer) : printer_(printer) {}

    Match Handle(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                 std::vector<Reply>& replies) override;
    void SaveState(nlohmann::json& state) const override;
    void LoadState(const nlohmann::json& state) override;

    /// Key-code images in the order they were first defined.
    const std::vector<std::pair<std::string, NvStoredImage>>& keyCodeImages() const { return keyCode_; }
    const NvStoredImage* FindKeyCode(const std::string& code) const;
    const std::vector<NvStoredImage>& numberedImages() const { return numbered_; }
    /// What was printed, in order: the key code, or "#n" for numbered image n.
    const std::vector<std::string>& printed() const { return printed_; }

    /// Codes per block of the key-code list; more make the list arrive in several blocks.
    std::size_t codesPerBlock = 100;

    /// Writes every image held as a PNG into `dir` ("nv-<code>.png",
    /// "nv-numbered-NNN.png") and removes the ones written before that are gone.
    bool WritePngs(const std::filesystem::path& dir, std::string& error) const;

private:
    Match HandleKeyCodeCommand(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key,
                               std::vector<Reply>& replies);
    Match HandleLegacyCommand(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key);
    Match HandleNumberedBlock(std::span<const std::uint8_t> input, std::size_t& consumed, std::string& key);
    void DefineRaster(std::span<const std::uint8_t> command, std::string& key);
    Reply NextListBlock();
    bool LegacyFirmware() const;

    PrinterModel& printer_;
    std::vector<std::pair<std::string, NvStoredImage>> keyCode_;
    std::vector<NvStoredImage> numbered_;
    std::vector<std::string> printed_;
    std::vector<std::string> listing_;  ///< codes still to send in the list being answered
    bool listingOpen_ = false;          ///< a list block was sent and its ACK or CAN is due
    std::uint64_t numberedRemaining_ = 0;  ///< bytes of numbered-image blocks still announced
};

}  // namespace pelmora::sim
