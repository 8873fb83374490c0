#pragma once
#include <filesystem>

#include "context/StoreBackend.h"

namespace pelmora::context {

/// The registry's model kept in one REGEDIT4-syntax file. No cache: every
/// call reads or writes the file; writes replace it atomically under an
/// advisory lock (RegFileIo).
class RegFileStore final : public StoreBackend {
public:
    explicit RegFileStore(std::filesystem::path file) : file_(std::move(file)) {}
    std::optional<RegDocument> Load() const override;
    std::string Modify(const std::function<bool(RegDocument&)>& change) override;
    std::string ReadProblem() const override;
    std::string Where() const override { return file_.string(); }

private:
    std::filesystem::path file_;
};

}  // namespace pelmora::context
