#include "nv/NvJobVariant.h"

#include "context/PrinterContext.h"

namespace pelmora::nv {

namespace {
using Action = NvCheckAction;
constexpr const char* kCancelled = "Download process is stoped...";

NvJobVariant MakeDesktop() {
    NvJobVariant v;
    for (NvJob job : {NvJob::ReadAddresses, NvJob::DeleteImage, NvJob::DeleteAllImages, NvJob::DownloadImages,
                      NvJob::PrintAllImages, NvJob::PrintImage})
        v.titles[job] = "NV Image Manager";
    v.initialLabel = "Progressing...";
    v.openText = "Open port...";
    v.openFailed = "Port open error!";
    v.check = {
        {.kind = Action::Kind::Advance, .text = "Open port..."},
        {Action::Kind::Query, context::QUERY_MAKER, "Printer model is not matched!"},
        {.kind = Action::Kind::Advance, .text = "Check printer..."},
    };
    v.stepTexts = {
        {NvJob::ReadAddresses, "Get NV image address..."},
        {NvJob::DeleteImage, "Delete selected NV image..."},
        {NvJob::DeleteAllImages, "Delete all NV image..."},
        {NvJob::DownloadImages, "Start download..."},
        {NvJob::PrintAllImages, "Print all NV image..."},
        {NvJob::PrintImage, "Print selected NV image..."},
    };
    v.finishDownloadText = "Finish download...";
    v.downloadingSuffix = " Downloading...";
    v.readFailed = "Failed to read NV image address!";
    v.notSupported = " Not supported operation!";
    v.writeFailed = " Failed to write data!\r\nPlease check your printer.";
    v.downloadWriteFailed = v.writeFailed;
    v.cancelled = kCancelled;
    v.noImagesSelected = "Without a BMP file being selected.";
    v.areaTooSmall = "NV image area too small!";
    return v;
}

NvJobVariant MakeHandheld() {
    NvJobVariant v;
    v.titles = {
        {NvJob::ReadAddresses, "Get Nv Address list"},
        {NvJob::DeleteImage, "Delete seleted Nv address"},
        {NvJob::DeleteAllImages, "Delete All Nv address area"},
        {NvJob::DownloadImages, "Download Image...."},
        {NvJob::PrintAllImages, "Print NV All Image..."},
        {NvJob::PrintImage, "Print selected NV Image..."},
    };
    v.initialLabel = "Processing...";
    v.openText = "Open Port..";
    v.openFailed = "Port Open Error!!!";
    v.check = {
        {Action::Kind::Query, context::QUERY_MODEL, "Printer Model name not matched...!!"},
        {.kind = Action::Kind::Advance, .text = "Check Printer..."},
        {Action::Kind::Query, context::QUERY_VERSION, "Failed to get Printer version..!!"},
        {.kind = Action::Kind::Advance, .text = "Check Printer..."},
    };
    v.stepTexts = {
        {NvJob::ReadAddresses, "Get NV Address"},
        {NvJob::DeleteImage, "Delete Selected NV Image"},
        {NvJob::DeleteAllImages, "Delete all NV Image"},
        {NvJob::DownloadImages, "Download Start...."},
        {NvJob::PrintAllImages, "Print All NV image"},
        {NvJob::PrintImage, "Print selected NV Image"},
    };
    v.finishDownloadText = "Finish Downloading....";
    v.downloadingSuffix = " Downloading...";
    v.readFailed = "Failed to read NV Image address!";
    v.notSupported = " Not supported operation!";
    v.writeFailed = " Failed to write data!\r\nPlease Check your printer!";
    v.downloadWriteFailed = "Failed to write data!\r\nPlease Check your printer!";
    v.cancelled = kCancelled;
    v.noImagesSelected = "Without a bitmap file being selected.";
    v.areaTooSmall = "NV-bitimage area too small!";
    return v;
}
}  // namespace

const NvJobVariant& DesktopNvJob() {
    static const NvJobVariant variant = MakeDesktop();
    return variant;
}

const NvJobVariant& HandheldNvJob() {
    static const NvJobVariant variant = MakeHandheld();
    return variant;
}

}  // namespace pelmora::nv
