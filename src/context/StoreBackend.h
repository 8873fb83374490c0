#pragma once
#include <functional>
#include <optional>
#include <string>

#include "context/RegSyntax.h"

namespace pelmora::context {

/// Where a SettingsStore keeps its keys and values: a REGEDIT4 text file
/// (RegFileStore) or, on Windows, the registry itself (RegistryStore).
class StoreBackend {
public:
    virtual ~StoreBackend() = default;
    /// Every stored key and value; nullopt when they exist but cannot be read.
    virtual std::optional<RegDocument> Load() const = 0;
    /// Reads, applies `change` and writes back under the writers' lock, so that
    /// concurrent writers each see the other's values; `change` says whether
    /// it changed anything. A crash or a failure keeps all old values or all
    /// new. "" on success, else why not.
    virtual std::string Modify(const std::function<bool(RegDocument&)>& change) = 0;
    /// "" when the values can be read or none exist yet; else why not.
    virtual std::string ReadProblem() const = 0;
    /// The file or registry key, for messages.
    virtual std::string Where() const = 0;
};

}  // namespace pelmora::context
