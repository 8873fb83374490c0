#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "context/FirmwareCapabilities.h"
#include "link/PrinterLink.h"
#include "link/CommSettings.h"

namespace pelmora::context {

/// Model codes; 703 is the only one identification produces.
constexpr std::uint32_t kModelBase = 700;
constexpr std::uint32_t kModelExpected = 703;
constexpr std::uint32_t kModelMismatch = 0;

/// QueryPrinter selectors.
enum QuerySelector : std::uint32_t {
    QUERY_CODEPAGE = 0,
    QUERY_MODEL = 1,
    QUERY_VERSION = 2,
    QUERY_MSR_MODE = 3,
    QUERY_MAKER = 4,
};

/// The printer context: owns the shared link, identifies the printer and keeps
/// what it learned. ModelCode and FirmwareVersion survive a closed link, so later
/// jobs see the values of the last identification.
class PrinterContext {
public:
    explicit PrinterContext(link::Platform& platform);
    virtual ~PrinterContext() = default;

    /// Copies PendingSettings into the link.
    void ApplyPortSettings();
    /// One identification exchange; a result code (0, 101, 107, 109, 300, 301).
    /// Every failure but 101 closes the link.
    int QueryPrinter(std::uint32_t selector);

    link::Clock& clock() { return link.clock(); }
    /// The longest an identification answer of this job took when the query had
    /// to be sent again (0: none did): a printer busy with another client.
    std::uint32_t lateAnswerMs() const { return lateAnswerMs_; }

    std::string ModelName;
    std::uint32_t ModelCode = kModelBase;
    link::PrinterLink link;
    std::string VersionText;
    std::uint32_t FirmwareVersion = 0;
    std::string CodePageText;
    std::uint8_t MsrSetValue = 0;
    link::CommSettings PendingSettings{link::PortSerial, "COM1:", 115200, 8, 0, 0, 1};

private:
    int QueryCodePage();
    int QueryModel();
    int QueryVersion();
    int QueryMsrMode();
    int QueryMaker();
    int WriteCommand(const std::uint8_t (&command)[3]);
    bool ResendLoop(std::uint32_t selector, const std::uint8_t (&command)[3], std::uint8_t* buffer, int capacity,
                    int& lastCount);
    /// Drops the last answer to another query from the front of `buffer`; the count left.
    int DropOutOfTurn(std::uint32_t selector, std::uint8_t* buffer, int received) const;
    void Remember(std::uint32_t selector, std::string_view reply);

    std::uint32_t lateAnswerMs_ = 0;
    std::string lastReply_;
    std::uint32_t lastSelector_ = 0;
};

}  // namespace pelmora::context
