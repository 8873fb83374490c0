#pragma once
#include <cstdint>
#include <string>

namespace pelmora::context {

class PrinterContext;

/// What identification learned of the printer on a link.
struct Identification {
    int result = 0;             ///< rc::Ok, or the code of the query that failed
    std::string message;        ///< the failure's message, "" on success
    std::string cause;          ///< its second line, when there is one
    std::string modelName;      ///< as the printer sent it (Latin-1)
    std::uint32_t modelCode = 0;
    std::string versionText;    ///< as the printer sent it (Latin-1)
    std::uint32_t firmwareVersion = 0;

    bool Identified() const { return result == 0; }
    /// Something answered, but not as an MPT-Q700VII does.
    bool NotOurs() const;
};

/// Model, then version, on an open link, which is closed afterwards; what
/// `identify` and the printer searches show. Nothing is written to the
/// printer but the two queries.
Identification IdentifyOpenPrinter(PrinterContext& util);

}  // namespace pelmora::context
