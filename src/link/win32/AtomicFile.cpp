#include "link/AtomicFile.h"

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#undef ReplaceFile  // the system's macro for ReplaceFileA would rename ours

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <system_error>

#include "link/win32/DcbLineState.h"

namespace pelmora::link {

namespace {

std::atomic<FileWriteCall> g_write{nullptr};

std::string Reason(int error) { return std::generic_category().message(error); }

std::string WriteEvery(int fd, std::string_view bytes) {
    const FileWriteCall write = g_write.load();
    while (!bytes.empty()) {
        const auto chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        const ssize_t written = write ? write(fd, bytes.data(), chunk) : ::_write(fd, bytes.data(), chunk);
        if (written < 0) return Reason(errno);
        if (written == 0) return Reason(ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

}  // namespace

std::string TemporaryPrefix(const std::filesystem::path& file) { return file.string() + ".tmp."; }

// The file's access list comes from its folder here; `mode` has no meaning.
std::string ReplaceFile(const std::filesystem::path& file, std::string_view bytes, mode_t) {
    static std::atomic<unsigned> counter{0};
    const std::string prefix = TemporaryPrefix(file) + std::to_string(::_getpid()) + '.';
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = std::filesystem::path(prefix + std::to_string(counter++));
        fd = ::_wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno != EEXIST) return "cannot create " + temporary.string() + ": " + Reason(errno);
    }
    if (fd < 0) return "cannot create a temporary file " + prefix + "N";
    // A close error counts: it may report a write the disk could not take.
    std::string why = WriteEvery(fd, bytes);
    if (why.empty() && ::_commit(fd) != 0) why = Reason(errno);
    if (::_close(fd) != 0 && why.empty()) why = Reason(errno);
    if (why.empty() &&
        !::MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        why = SystemMessage(::GetLastError());
    if (!why.empty()) {
        ::_wunlink(temporary.c_str());
        return why;
    }
    return {};
}

void SetFileWriteCallForTest(FileWriteCall call) { g_write = call; }

}  // namespace pelmora::link
