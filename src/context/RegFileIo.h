#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace pelmora::context {

/// No settings file grows this large; a bigger one is not ours to parse.
inline constexpr std::size_t kMaxRegFileBytes = 16u << 20;

enum class FileRead { Ok, Missing, Failed };

/// The whole of `file` into `bytes`. Missing (bytes empty) when it does not
/// exist; Failed when it cannot be read, is not a regular file or passes
/// kMaxRegFileBytes.
FileRead ReadWholeFile(const std::filesystem::path& file, std::string& bytes);

/// An exclusive advisory lock for writers of `file`, held while the object lives.
/// It is taken on the sibling `file`.lock: the data file is replaced by rename,
/// and a lock on it would stay with the old inode.
class RegFileLock {
public:
    explicit RegFileLock(const std::filesystem::path& file);
    ~RegFileLock();
    RegFileLock(const RegFileLock&) = delete;
    RegFileLock& operator=(const RegFileLock&) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

/// Replaces `file` by `bytes` through a flushed temporary file in the same
/// folder and a rename, so a crash leaves the old or the new file. An existing
/// file's permissions carry over. On failure the file stays as it was.
bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes);

/// Keeps `bytes` beside `file` as `file`.bad, or `file`.bad.1, .2 ... when
/// earlier copies exist, so no damaged original is ever overwritten.
bool KeepDamagedCopy(const std::filesystem::path& file, std::string_view bytes);

}  // namespace pelmora::context
