#pragma once
#include <filesystem>
#include <string>

namespace pelmora::test {

/// The whole of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

/// A file's permission bits; 0xFFFF when it cannot be looked at.
unsigned FileMode(const std::filesystem::path& file);

/// A folder of its own, removed with everything in it.
class TempDir {
public:
    TempDir();
    /// A folder below `parent` instead of the system's temporary folder.
    explicit TempDir(const std::filesystem::path& parent);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace pelmora::test
