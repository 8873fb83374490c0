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

/// What identification learned about the printer. The model and firmware
/// survive a closed link, so later jobs see the values of the last identification.
struct PrinterIdentity {
    std::string modelName;              ///< the model reply without its leading '_'
    std::uint32_t modelCode = kModelBase;
    std::string versionText;            ///< the version reply without its leading '_'
    std::uint32_t firmwareVersion = 0;  ///< formed from the version reply
    std::string codePageText;           ///< the code-page reply, '_' included
    std::uint8_t msrSetValue = 0;       ///< the value byte of the MSR mode reply
};

/// The printer context: owns the shared link, takes the settings handed over
/// for a job and identifies the printer. Only QueryPrinter changes what it
/// learned.
class PrinterContext {
public:
    explicit PrinterContext(link::Platform& platform);
    virtual ~PrinterContext() = default;

    /// What a window or the command line gathered, handed over once per job
    /// before the link opens: kept, and applied to the link.
    void HandOver(const link::CommSettings& settings);
    /// The settings last handed over; link::LinkDefaults() before any.
    const link::CommSettings& pendingSettings() const { return pendingSettings_; }
    /// One identification exchange; a result code (0, 101, 107, 109, 300, 301).
    /// Every failure but 101 closes the link.
    int QueryPrinter(std::uint32_t selector);

    /// The link every engine shares: it opens, writes, reads and closes.
    link::PrinterLink& link() { return link_; }
    const link::PrinterLink& link() const { return link_; }
    link::Clock& clock() { return link_.clock(); }
    /// The longest an identification answer of this job took when the query had
    /// to be sent again (0: none did): a printer busy with another client.
    std::uint32_t lateAnswerMs() const { return lateAnswerMs_; }

    const PrinterIdentity& identity() const { return identity_; }
    const std::string& modelName() const { return identity_.modelName; }
    std::uint32_t modelCode() const { return identity_.modelCode; }
    const std::string& versionText() const { return identity_.versionText; }
    std::uint32_t firmwareVersion() const { return identity_.firmwareVersion; }
    const std::string& codePageText() const { return identity_.codePageText; }
    std::uint8_t msrSetValue() const { return identity_.msrSetValue; }
    /// For rigs and screenshots that start past identification, as if a
    /// printer had been placed already. Jobs never call it.
    PrinterIdentity& identityForTest() { return identity_; }

private:
    link::PrinterLink link_;
    link::CommSettings pendingSettings_ = link::LinkDefaults();
    PrinterIdentity identity_;
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
