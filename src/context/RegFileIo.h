#pragma once
#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "link/AtomicFile.h"
#include "link/LocalFile.h"

namespace pelmora::context {

/// No settings file grows this large; a bigger one is not ours to parse.
inline constexpr std::size_t kMaxRegFileBytes = 16u << 20;

using link::FileRead;

/// The whole of `file` into `bytes` (link::ReadLocalFile with kMaxRegFileBytes).
/// Missing (bytes empty) when it does not exist; Failed when it cannot be
/// read, is not a regular file or passes kMaxRegFileBytes, with the reason in
/// `why` when given.
FileRead ReadWholeFile(const std::filesystem::path& file, std::string& bytes, std::string* why = nullptr);

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
    /// Why the lock could not be taken.
    const std::string& error() const { return error_; }

private:
    int fd_ = -1;
    std::string error_;
};

/// Settings files are written like every other file (link::ReplaceFile).
/// Call it holding the RegFileLock.
using link::ReplaceFile;

/// Removes the temporary files (`file`.tmp.PID.N) that writers killed during
/// ReplaceFile left behind. Call it holding the RegFileLock: then no live
/// writer of this process is between creating its temporary file and renaming it.
void RemoveDeadWritersFiles(const std::filesystem::path& file);

/// Keeps `bytes` beside `file` as `file`.bad, or `file`.bad.1, .2 ... when
/// earlier copies exist, so no damaged original is ever overwritten.
bool KeepDamagedCopy(const std::filesystem::path& file, std::string_view bytes);

/// For tests: the write(2) the store's files go through, to play a full disk.
using RegWriteCall = link::FileWriteCall;
inline void SetRegWriteCallForTest(RegWriteCall call) { link::SetFileWriteCallForTest(call); }

}  // namespace pelmora::context
