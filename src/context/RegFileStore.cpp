#include "context/RegFileStore.h"

#include <system_error>

#include "context/RegFileIo.h"

namespace pelmora::context {

namespace {

constexpr const char* kNotAStore = "it is not a settings file (its first line is not REGEDIT4)";

// Rename would turn a symbolic link into a plain file, so writes go where it
// points, even when that file does not exist yet. Bounded against link loops.
std::filesystem::path LinkTarget(std::filesystem::path file) {
    std::error_code error;
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(file, error); ++hop) {
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error) break;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return file;
}

}  // namespace

std::optional<RegDocument> RegFileStore::Load() const {
    std::string bytes;
    switch (ReadWholeFile(file_, bytes)) {
    case FileRead::Ok: return ParseRegFile(bytes);
    case FileRead::Missing: return RegDocument{};
    case FileRead::Failed: break;
    }
    return std::nullopt;
}

std::string RegFileStore::Modify(const std::function<bool(RegDocument&)>& change) {
    std::error_code error;
    const std::filesystem::path file = LinkTarget(file_);
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    if (error) return "cannot make the folder: " + error.message();
    const RegFileLock lock(file);
    if (!lock.held()) return lock.error();
    RemoveDeadWritersFiles(file);
    std::string bytes, why;
    // A file that exists but cannot be read is never replaced blindly.
    if (ReadWholeFile(file, bytes, &why) == FileRead::Failed) return why;
    // Someone else's file at our path is theirs: rewriting it would destroy it.
    if (!IsRegFileOrBlank(bytes)) return std::string(kNotAStore) + "; it was left as it is";
    RegDocument document = ParseRegFile(bytes);
    if (!change(document)) return {};
    // The rewrite drops unreadable lines, so the original is kept first.
    if (document.damaged && !KeepDamagedCopy(file, bytes)) return "cannot keep a copy of the damaged file beside it";
    return ReplaceFile(file, RenderRegFile(document));
}

std::string RegFileStore::ReadProblem() const {
    std::string bytes, why;
    const FileRead read = ReadWholeFile(file_, bytes, &why);
    // Someone else's file reads as no values at all, which would mean COM1.
    if (read == FileRead::Ok && !IsRegFileOrBlank(bytes)) why = kNotAStore;
    else if (read != FileRead::Failed) return {};
    return "cannot read the settings store '" + file_.string() + "': " + why;
}

}  // namespace pelmora::context
