#pragma once
#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

/// The one way every program here writes a whole file: settings stores,
/// profiles and backups, the simulator's state and firmware, PNG previews,
/// transcripts, the NV catalogue's store.
namespace pelmora::link {

/// Replaces `file` by `bytes` through a temporary file in the same folder
/// (`file`.tmp.PID.N), written in full, flushed to disk, renamed over `file`,
/// and the folder flushed, so a crash or a full disk leaves the old file or
/// the new one, never a part. An existing file's permissions carry over; a
/// new one gets `mode` (less the umask). On failure the old file stays as it
/// was, the temporary file is removed and the reason is returned; empty on
/// success. Concurrent writers of one file need a lock of their own.
std::string ReplaceFile(const std::filesystem::path& file, std::string_view bytes, mode_t mode = 0666);

/// What ReplaceFile names its temporary files: `file`.tmp.
std::string TemporaryPrefix(const std::filesystem::path& file);

/// For tests: the write(2) that ReplaceFile goes through, to play a full
/// disk. nullptr restores the system's.
using FileWriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);
void SetFileWriteCallForTest(FileWriteCall call);

}  // namespace pelmora::link
