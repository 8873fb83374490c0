#include "context/SettingsStore.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <system_error>
#include <utility>

#include "context/RegFileIo.h"
#include "context/RegSyntax.h"

namespace pelmora::context {

namespace {

constexpr const char* kNotAStore = "it is not a settings file (its first line is not REGEDIT4)";

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return ".";
}

// The parsed file on disk; nullopt when the file exists but cannot be read.
std::optional<RegDocument> Load(const std::filesystem::path& file) {
    std::string bytes;
    switch (ReadWholeFile(file, bytes)) {
    case FileRead::Ok: return ParseRegFile(bytes);
    case FileRead::Missing: return RegDocument{};
    case FileRead::Failed: break;
    }
    return std::nullopt;
}

std::optional<RegValue> Lookup(const std::filesystem::path& file, const std::string& key, const std::string& name) {
    const std::optional<RegDocument> document = Load(file);
    if (!document) return std::nullopt;
    const RegKey* found = FindRegKey(*document, key);
    const RegValue* value = found ? FindRegValue(*found, name) : nullptr;
    if (!value) return std::nullopt;
    return *value;
}

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

// Read, change and write back under the writers' lock, so that concurrent
// writers each see the other's values. `change` says whether it changed
// anything. Returns why the write failed, "" on success.
std::string Modify(const std::filesystem::path& link, const std::function<bool(RegDocument&)>& change) {
    std::error_code error;
    const std::filesystem::path file = LinkTarget(link);
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

// Puts `value` under `name`; an existing value keeps its spelling.
void Put(RegKey& target, const std::string& name, RegValue value) {
    if (RegValue* old = FindRegValue(target, name)) {
        value.name = old->name;
        *old = std::move(value);
    } else {
        value.name = name;
        target.values.push_back(std::move(value));
    }
}

RegKey& KeyOf(RegDocument& document, const std::string& key) {
    if (RegKey* found = FindRegKey(document, key)) return *found;
    return document.keys.emplace_back(RegKey{key, {}});
}

std::string Store(const std::filesystem::path& file, const std::string& key, const std::string& name, RegValue value) {
    if (!IsValidKeyPath(key) || !IsValidValueName(name)) return "the key or value name holds a line break or NUL";
    return Modify(file, [&](RegDocument& document) {
        Put(KeyOf(document, key), name, std::move(value));
        return true;
    });
}

RegValue Text(const std::string& text) {
    // The reader stops at the first zero byte, so nothing after it is kept.
    return RegValue{{}, RegType::Text, text.substr(0, text.find('\0')), 0};
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path SettingsStore::DefaultPath() {
    if (const char* explicitFile = std::getenv("PELMORA_REGISTRY"); explicitFile && *explicitFile)
        return explicitFile;
    const std::filesystem::path tail = std::filesystem::path("pelmora") / "registry.reg";
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules ask.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') return config / tail;
    return HomeFolder() / ".config" / tail;
}

int SettingsStore::GetRegString(const std::string& key, const std::string& name, std::string& out) const {
    const std::optional<RegValue> value = Lookup(file_, key, name);
    if (!value || value->type != RegType::Text) return 0;
    if (value->data.empty()) {
        out.clear();
        return 0;
    }
    // A registry text ends at its first zero byte.
    out = value->data.substr(0, value->data.find('\0'));
    return 1;
}

int SettingsStore::GetRegDword(const std::string& key, const std::string& name, std::uint32_t& out) const {
    out = 0;
    const std::optional<RegValue> value = Lookup(file_, key, name);
    if (!value || value->type != RegType::Dword) return 0;
    out = value->number;
    return 1;
}

int SettingsStore::SetRegString(const std::string& key, const std::string& name, const std::string& value) {
    return Written(Store(file_, key, name, Text(value)));
}

int SettingsStore::SetRegDword(const std::string& key, const std::string& name, std::uint32_t value) {
    return Written(Store(file_, key, name, RegValue{{}, RegType::Dword, {}, value}));
}

int SettingsStore::Written(const std::string& failure) {
    if (failure.empty()) return 1;
    if (writeFailure_.empty()) writeFailure_ = "cannot save the settings in '" + file_.string() + "': " + failure;
    return 0;
}

std::string SettingsStore::TakeWriteFailure() { return std::exchange(writeFailure_, {}); }

std::string SettingsStore::ReadProblem() const {
    std::string bytes, why;
    const FileRead read = ReadWholeFile(file_, bytes, &why);
    // Someone else's file reads as no values at all, which would mean COM1.
    if (read == FileRead::Ok && !IsRegFileOrBlank(bytes)) why = kNotAStore;
    else if (read != FileRead::Failed) return {};
    return "cannot read the settings store '" + file_.string() + "': " + why;
}

int SettingsStore::DeleteValue(const std::string& key, const std::string& name) {
    // A value the file cannot hold is not there to delete.
    if (!IsValidKeyPath(key) || !IsValidValueName(name)) return 1;
    // Nothing to delete needs no lock and no write, so it also works in a read-only folder.
    if (const std::optional<RegDocument> document = Load(file_)) {
        const RegKey* found = FindRegKey(*document, key);
        if (!found || !FindRegValue(*found, name)) return 1;
    }
    return Written(Modify(file_, [&](RegDocument& document) {
        RegKey* target = FindRegKey(document, key);
        const RegValue* value = target ? FindRegValue(*target, name) : nullptr;
        if (!value) return false;
        target->values.erase(target->values.begin() + (value - target->values.data()));
        return true;
    }));
}

int SettingsStore::SetRegValues(const std::string& key, const std::function<bool(const std::string&)>& drop,
                                const std::vector<StoreValue>& values) {
    const bool valid = IsValidKeyPath(key) && std::all_of(values.begin(), values.end(), [](const StoreValue& v) {
                           return IsValidValueName(v.name);
                       });
    if (!valid) return Written("the key or a value name holds a line break or NUL");
    return Written(Modify(file_, [&](RegDocument& document) {
        RegKey& target = KeyOf(document, key);
        std::erase_if(target.values, [&](const RegValue& v) { return drop(v.name); });
        for (const StoreValue& v : values) {
            if (const auto* text = std::get_if<std::string>(&v.value)) Put(target, v.name, Text(*text));
            else Put(target, v.name, RegValue{{}, RegType::Dword, {}, std::get<std::uint32_t>(v.value)});
        }
        return true;
    }));
}

std::vector<std::string> SettingsStore::ValueNames(const std::string& key) const {
    std::vector<std::string> names;
    const std::optional<RegDocument> document = Load(file_);
    const RegKey* found = document ? FindRegKey(*document, key) : nullptr;
    if (found)
        for (const RegValue& value : found->values) names.push_back(value.name);
    return names;
}

}  // namespace pelmora::context
