#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "context/RegSyntax.h"

namespace pelmora::context {

/// One change to a stored value: set (`remove` false) or delete it.
struct StoreWrite {
    std::string key;
    RegValue value;  ///< for a delete only the name counts
    bool remove = false;
    bool operator==(const StoreWrite&) const = default;
};

/// The writes that turn `before` into `after`, key by key in `after`'s order;
/// values of type Other are never touched. A key missing from `after` is left.
std::vector<StoreWrite> PlanWrites(const RegDocument& before, const RegDocument& after);

/// `writes` applied to `document`, as the registry would hold them afterwards.
void ApplyWrites(RegDocument& document, const std::vector<StoreWrite>& writes);

/// The writes as one binary record, so that a single registry value (written
/// atomically by the system) commits a whole change.
std::string EncodeWrites(const std::vector<StoreWrite>& writes);
/// The writes of a record; nothing for a record that is cut short or not ours.
std::optional<std::vector<StoreWrite>> DecodeWrites(std::string_view record);

}  // namespace pelmora::context
