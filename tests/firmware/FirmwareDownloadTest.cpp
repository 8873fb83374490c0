#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>

#include "firmware/FirmwareDownload.h"
#include "link/WireTime.h"
#include "support/ImageFiles.h"
#include "support/PrinterRig.h"

namespace pelmora::firmware {
namespace {

const std::string kDownloading = "Firmware is downloading...Don't turn off the printer!!!";

struct RecordingView final : FirmwareProgress {
    void SetStatus(const std::string& status) override { statuses.push_back(status); }
    void SetProgress(int percent) override { progress.push_back(percent); }
    void Sending() override { ++sending; }
    bool Cancelled() const override { return cancelAfterPieces && progress.size() >= *cancelAfterPieces; }

    std::vector<std::string> statuses;
    std::vector<int> progress;
    int sending = 0;
    std::optional<std::size_t> cancelAfterPieces;
};

struct FirmwareRig {
    test::PrinterRig rig;
    link::PrinterLink link{rig.platform};
    RecordingView view;

    FirmwareRig() { link.Configure(test::LoopbackTcp()); }
    static std::vector<std::uint8_t> Content(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(0x80 | (i * 7 % 128));
        return bytes;
    }
    std::filesystem::path File(std::size_t size, const char* name = "printer.fls") {
        return test::WriteBytes((rig.dir / name).string(), Content(size));
    }
    // Sparse: costs no disk.
    std::filesystem::path Sparse(const char* name, std::uintmax_t size) {
        File(1, name);
        std::filesystem::resize_file(rig.dir / name, size);
        return rig.dir / name;
    }
};

TEST(FirmwareDownload, PiecesAndProgress) {
    const struct { std::size_t size; std::vector<int> pieces, progress; } cases[] = {
        {8192, {4096, 4096}, {50, 100}}, {9000, {4096, 4096, 808}, {45, 91, 100}}, {4097, {4096, 1}, {99, 100}},
        {4096, {4096}, {100}},           {4095, {4095}, {100}},                    {1, {1}, {100}},      {0, {}, {0}},
    };
    for (const auto& c : cases) {
        FirmwareRig f;
        const auto& lines = f.rig.TraceLines();
        const auto path = f.File(c.size);
        const FirmwareOutcome outcome = DownloadFirmware(path, f.link, f.view);
        EXPECT_EQ(std::tuple(outcome.result, f.view.progress, f.view.sending, f.link.IsOpen()),
                  std::tuple(FirmwareResult::Success, c.progress, 1, false)) << c.size;
        EXPECT_EQ(std::tie(outcome.message, outcome.status),
                  std::tuple("Success to download firmware!", "Finished to download firmware and Reset the printer!"));
        EXPECT_EQ(f.view.statuses, (std::vector<std::string>{"Ready firmware download.", kDownloading, outcome.status}));
        // The printer gets the file's bytes unchanged, as one stream; --trace shows each piece and the count so far.
        const auto bytes = FirmwareRig::Content(c.size);
        using Streams = std::vector<std::vector<std::uint8_t>>;
        EXPECT_EQ(f.rig.printer.firmwareStreams(), c.size ? Streams{bytes} : Streams{}) << c.size;
        std::vector<std::string> traced{"===================START=========="};
        for (std::size_t sent = 0; const int piece : c.pieces) {
            traced.push_back("[ETH][==>] " + test::Hex({bytes.data() + sent, static_cast<std::size_t>(piece)}));
            traced.push_back("SEND = " + std::to_string(sent += static_cast<std::size_t>(piece)));
        }
        EXPECT_EQ(lines, traced) << c.size;
    }
}

// A file of exactly the size limit passes the file check and reaches the link,
// which here does not open: nothing sent.
TEST(FirmwareDownload, FileThatCannotBeOpenedForUpdateIsRefusedBeforeTheLink) {
    FirmwareRig f;
    f.link.Configure(test::LoopbackTcp(link::kPrinterTcpPort, "127.0.0.2"));
    const auto readOnly = f.File(10);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    const std::pair<std::filesystem::path, FileProblem> cases[] = {
        {f.rig.dir / "missing.fls", FileProblem::CannotOpen}, {f.rig.dir.path(), FileProblem::Directory},
        {readOnly, FileProblem::ReadOnly}, {f.Sparse("huge.fls", kMaxFirmwareBytes + 1), FileProblem::TooLarge},
        {f.Sparse("large.fls", kMaxFirmwareBytes), FileProblem::None},
    };
    const std::string ready = "Ready firmware download.";
    using Ends = std::tuple<FirmwareResult, std::string, std::string, std::vector<std::string>>;
    for (const auto& [path, problem] : cases) {
        RecordingView view;
        const FirmwareOutcome outcome = DownloadFirmware(path, f.link, view);
        const bool fileOk = problem == FileProblem::None;  // then on to the link (the last case): it does not open
        EXPECT_EQ(std::tuple(outcome.problem, view.sending, f.rig.platform.writeSizes().size(), f.rig.platform.openAttempts() > 0),
                  std::tuple(problem, 0, 0u, fileOk)) << path;
        EXPECT_EQ(std::tie(outcome.result, outcome.message, outcome.status, view.statuses),
                  (fileOk ? Ends{FirmwareResult::PortOpenError, "Error : OpenPort! Please check printer", kDownloading, {ready, kDownloading}}
                          : Ends{FirmwareResult::FileOpenError, "Error : File Open Error!", ready, {ready}})) << path;
    }
}

// A piece the port cuts short, or a cancel between two pieces: the rest is not
// sent, the link is closed, and a cancel is never reported as a finished download.
TEST(FirmwareDownload, ShortPieceOrCancelSendsNoMore) {
    const struct { bool cancel; FirmwareResult result; std::vector<int> sent; const char* message, *status; } cases[] = {
        {false, FirmwareResult::SendFailed, {4096, 4095}, "Error : Send Failed!", "Finished to download firmware and Reset the printer!"},
        {true, FirmwareResult::Cancelled, {4096}, "", "Ready firmware download."},
    };
    for (const auto& c : cases) {
        FirmwareRig f;
        if (c.cancel) f.view.cancelAfterPieces = 1;
        else f.rig.platform.config().shortWritesFrom = 1;
        const FirmwareOutcome outcome = DownloadFirmware(f.File(9000), f.link, f.view);
        EXPECT_EQ(std::tie(outcome.result, outcome.message, outcome.status), std::tie(c.result, c.message, c.status));
        EXPECT_EQ(std::tuple(f.rig.platform.writeSizes(), f.view.progress, f.link.IsOpen()), std::tuple(c.sent, std::vector{45}, false));
    }
}

// A serial line held by flow control takes nothing: the piece ends at twice
// its wire time plus the slack (a second and a bit at 115200 bit/s, not the
// hour of a second a byte), the download fails and the link is closed.
TEST(FirmwareDownload, StalledSerialLineEndsWithinTheWriteBound) {
    for (const std::uint32_t baud : {115200u, 9600u}) {
        FirmwareRig f;
        f.link.Configure({.portType = link::PortSerial, .port = "COM1", .baudRate = static_cast<std::int32_t>(baud)});
        // The probe byte goes out; the line is held from then on.
        f.rig.platform.config().beforeWrite = [&](int) { f.rig.platform.config().lineHeld = true; };
        const auto start = f.rig.Now();
        const FirmwareOutcome outcome = DownloadFirmware(f.File(9000), f.link, f.view);
        EXPECT_EQ(std::tuple(outcome.result, f.link.IsOpen()), std::tuple(FirmwareResult::SendFailed, false)) << baud;
        const std::uint64_t bound = link::SerialWriteTimeoutMs({0, 0, 0, link::WriteMicrosPerByte(baud, 10), link::kWriteSlackMs}, 4096);
        EXPECT_GE(f.rig.Now() - start, bound) << baud;
        EXPECT_LT(f.rig.Now() - start, bound + 1000) << baud << ": opening and closing take the rest";
    }
}

}  // namespace
}  // namespace pelmora::firmware
