#include "link/LocalFile.h"

#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "link/win32/DcbLineState.h"

namespace pelmora::link {

namespace {

std::string TooLarge(std::size_t limit) {
    constexpr std::size_t kMiB = 1u << 20;
    if (limit >= kMiB && limit % kMiB == 0) return "larger than " + std::to_string(limit / kMiB) + " MiB";
    return "larger than " + std::to_string(limit) + " bytes";
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// What an open handle is when it is not a plain file, for a message; "" for a plain file.
std::string Kind(HANDLE handle) {
    switch (::GetFileType(handle)) {
    case FILE_TYPE_DISK: break;
    case FILE_TYPE_PIPE: return "it is a pipe";
    case FILE_TYPE_CHAR: return "it is a device";
    default: return "it is not a regular file";
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(handle, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return "it is a folder";
    return {};
}

// Shared for reading, writing and deleting: a store being replaced beside us
// must not make the read fail.
HANDLE OpenForReading(const std::string& path, DWORD access) {
    return ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

FileRead ReadLocalFile(const std::string& path, std::size_t limit, std::string& bytes, std::string* why, Pipes pipes) {
    bytes.clear();
    const auto fail = [&](const std::string& reason) {
        bytes.clear();
        if (why) *why = reason;
        return FileRead::Failed;
    };
    const HANDLE handle = OpenForReading(path, GENERIC_READ);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return IsMissing(error) ? FileRead::Missing : fail(SystemMessage(error));
    }
    std::string problem = Kind(handle);
    const bool pipe = ::GetFileType(handle) == FILE_TYPE_PIPE;
    if (pipe && pipes == Pipes::Read) problem.clear();
    LARGE_INTEGER size{};
    if (problem.empty() && !pipe && ::GetFileSizeEx(handle, &size) &&
        static_cast<unsigned long long>(size.QuadPart) > limit)
        problem = TooLarge(limit);
    // To the end rather than trust the size: the file may grow meanwhile.
    std::size_t filled = 0;
    if (problem.empty())
        bytes.resize(std::min(pipe ? std::size_t{65536} : static_cast<std::size_t>(size.QuadPart) + 1, limit + 1));
    while (problem.empty()) {
        if (filled == bytes.size()) bytes.resize(std::min(bytes.size() * 2, limit + 1));
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1u << 30));
        if (!::ReadFile(handle, bytes.data() + filled, chunk, &got, nullptr)) {
            if (::GetLastError() == ERROR_BROKEN_PIPE) break;  // the writer is done
            problem = SystemMessage(::GetLastError());
        } else if (got == 0) {
            break;
        } else if ((filled += got) > limit) {
            problem = TooLarge(limit);
        }
    }
    bytes.resize(filled);
    ::CloseHandle(handle);
    if (!problem.empty()) return fail(problem);
    if (why) why->clear();
    return FileRead::Ok;
}

std::string OutputProblem(const std::string& path) {
    const HANDLE handle = OpenForReading(path, 0);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return IsMissing(error) ? std::string() : SystemMessage(error);
    }
    const std::string kind = Kind(handle);
    ::CloseHandle(handle);
    return kind;
}

std::string WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
        const int written = ::_write(fd, bytes.data(), chunk);
        if (written < 0) return std::generic_category().message(errno);
        if (written == 0) return std::generic_category().message(ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// The folder's access rules decide who reads it; Windows has no mode bits to narrow.
std::FILE* OpenPrivateOutput(const std::string& path, std::string& why) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) why = SystemMessage(::GetLastError());
    return file;
}

Claim ClaimNewFile(const std::string& path, std::string& why) {
    const HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
        return Claim::Claimed;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return Claim::Exists;
    why = SystemMessage(error);
    return Claim::Failed;
}

}  // namespace pelmora::link
