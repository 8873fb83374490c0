#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "context/PrinterContext.h"
#include "context/FirmwareCapabilities.h"
#include "context/SettingsStore.h"
#include "nv/NvCommands.h"
#include "nv/NvImageList.h"
#include "nv/NvTypes.h"

namespace pelmora::nv {

/// The key below the product key that holds the catalogue and "Count".
inline const std::string NvKey = std::string(context::ProductKey) + "\\NV";
/// StoredCount's value under NvKey.
inline constexpr const char* kCountValue = "Count";

/// The NV image engine: the operator's image list, the download queue of one
/// download, the address codes the printer holds, and the printer operations
/// of both dialects. Every printer operation returns a result code; every
/// failed write or bad reply closes the link before it returns.
class NvEngine {
public:
    NvEngine(context::PrinterContext& util, context::SettingsStore& store);

    // ---- image list and conversion ---------------------------------------
    /// A new item with its size estimate, or nothing when the file is no
    /// loadable bitmap (the windows' outcome -2).
    std::optional<NvImageItem> LoadImageItem(std::uint8_t number, const std::string& path,
                                             std::int32_t brightness) const;
    /// Why the item's file cannot be converted now (gone, or too large for one
    /// block); empty when it can. Nothing is queued.
    std::string ConversionProblem(const NvImageItem& item) const;
    /// Converts the item's file and queues a raster definition under the first
    /// two characters of `code`. Empty on success, else why nothing was queued.
    std::string BuildStandardBlock(const NvImageItem& item, const std::string& code);
    /// Converts the item's file and queues a numbered-image block.
    std::string BuildLegacyBlock(const NvImageItem& item);
    void ClearDownloadQueue() { downloadQueue_.clear(); }

    // ---- printer operations (result codes of context/ResultCode.h) -------
    /// Fills AddressList from the printer's key-code reply; 0, 101, 109, 300, 400.
    /// The link stays open on 0 and 400.
    int ReadKeyCodeList();
    /// AddressList "00", "01"... from StoredCount; 0, 101, 400 (list kept).
    int ReadStoredAddresses();
    int DeleteKeyCodeImage(const std::string& code);
    int DeleteAllKeyCodeImages();
    int PrintKeyCodeImage(const std::string& code);
    /// One print per AddressList code; 400 when the list is empty.
    int PrintAllKeyCodeImages();
    /// On success ImageCount and StoredCount become 0.
    int DeleteAllNumberedImages();
    /// Sent without testing the link first; 0 or 300.
    int PrintNumberedImage(std::uint8_t n);
    /// Numbers 0..ImageCount-1, or 0..77 when ImageCount is 0 (count unknown).
    int PrintAllNumberedImages();
    int SendLegacyDownloadHeader(std::uint8_t n, std::uint32_t total);
    /// Writes the block in pieces of 4096 bytes; 0 or 300.
    int SendDownloadBlock(const NvDownloadBlock& block);

    std::uint32_t ReadStoredCount() const;
    /// True when "Count" was written.
    bool WriteStoredCount(std::uint32_t count);

    /// The dialect of the printer context's FirmwareVersion, tested anew at each call.
    bool UsesLegacyDialect() const { return context::IsLegacyDialect(util_.firmwareVersion()); }

    context::PrinterContext& util() { return util_; }
    context::SettingsStore& store() { return store_; }

    /// The operator's image list: the windows, the command line and the
    /// catalogue edit it.
    const NvImageList& imageList() const { return imageList_; }
    NvImageList& editImageList() { return imageList_; }
    /// The blocks of one download, built by BuildStandardBlock and BuildLegacyBlock.
    const std::vector<NvDownloadBlock>& downloadQueue() const { return downloadQueue_; }
    /// The address codes the printer holds, as its last read gave them.
    const std::vector<std::string>& addressList() const { return addressList_; }
    /// After a delete of every image, or before a fresh read.
    void ForgetAddresses() { addressList_.clear(); }
    /// Numbered images the printer holds (the older dialect); 0 when unknown.
    std::int32_t imageCount() const { return imageCount_; }
    /// What a download or a read of the store learned.
    void setImageCount(std::int32_t count) { imageCount_ = count; }
    /// Whether this printer passed its maker check since the link was handed over.
    bool printerChecked() const { return printerChecked_; }
    void MarkPrinterChecked() { printerChecked_ = true; }
    void ForgetPrinterCheck() { printerChecked_ = false; }
    /// Items keep the picture decoded when they were made, so that a file is
    /// read once (the command line). Off, conversion reads the file again, as
    /// the windows do: the operator may have changed it since adding it.
    bool keepDecodedPictures() const { return keepDecodedPictures_; }
    void setKeepDecodedPictures(bool keep) { keepDecodedPictures_ = keep; }
    /// For rigs that start with a printer's state in place.
    void setAddressListForTest(std::vector<std::string> codes) { addressList_ = std::move(codes); }
    void setDownloadQueueForTest(std::vector<NvDownloadBlock> blocks) { downloadQueue_ = std::move(blocks); }

private:
    /// One command write; a short write closes the link. True when all was taken.
    bool Send(const Bytes& bytes);
    std::string ConvertAndQueue(const NvImageItem& item, const std::string* code);
    int FailBadReply();

    context::PrinterContext& util_;
    context::SettingsStore& store_;
    NvImageList imageList_;
    std::vector<NvDownloadBlock> downloadQueue_;
    std::vector<std::string> addressList_;
    std::int32_t imageCount_ = 0;
    bool printerChecked_ = false;
    bool keepDecodedPictures_ = false;
};

}  // namespace pelmora::nv
