#pragma once
#include <string>

#include "context/StoreBackend.h"

namespace pelmora::context {

/// The settings in the Windows registry under the product key. Written to
/// HKEY_CURRENT_USER: a till's operator is seldom an administrator, and
/// HKEY_LOCAL_MACHINE\Software takes one (a 64-bit program gets no registry
/// virtualisation to hide that). Read from HKEY_CURRENT_USER, or, until the
/// user has a key of their own, from HKEY_LOCAL_MACHINE, where an
/// administrator or an earlier installation may have put the settings; the
/// first write then copies them over whole.
///
/// A write first stores all of its changes as one journal value (a single
/// registry value is written atomically), then applies them and removes the
/// journal: a crash in between is finished by the next writer, and readers see
/// the journal's values meanwhile, so every reader finds all old values or all new.
class RegistryStore final : public StoreBackend {
public:
    /// `root` is the product key's path, below the two hives.
    explicit RegistryStore(std::string root);
    std::optional<RegDocument> Load() const override;
    std::string Modify(const std::function<bool(RegDocument&)>& change) override;
    std::string ReadProblem() const override;
    std::string Where() const override;

private:
    std::string root_;
    std::string journal_;
};

/// For tests: a writer that stops after `writes` registry writes (the journal
/// first, then the values), as if it crashed there (-1: never).
void StopRegistryWritesForTest(int writes);

}  // namespace pelmora::context
