#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace pelmora::context {

class StoreBackend;

/// A value for SetRegValues: a text or a 32-bit number.
struct StoreValue {
    std::string name;
    std::variant<std::string, std::uint32_t> value;
};

/// The product key below HKEY_LOCAL_MACHINE.
inline constexpr const char* ProductKey = "Software\\Korvane\\Pelmora";

/// The registry's model: keys below the product key holding text and 32-bit
/// values, in a REGEDIT4-syntax file or (on Windows) the registry itself. No
/// cache: every call reads or writes through. Copies share the backend.
class SettingsStore {
public:
    /// The text file `file` (RegFileStore).
    explicit SettingsStore(std::filesystem::path file);
    explicit SettingsStore(std::shared_ptr<StoreBackend> backend);
    /// The programs' store. On Linux the file DefaultPath(); on Windows the
    /// registry, unless $PELMORA_REGISTRY names a text file.
    static SettingsStore OpenDefault();
    /// $PELMORA_REGISTRY, else $XDG_CONFIG_HOME/pelmora/registry.reg, else
    /// ~/.config/pelmora/registry.reg (Linux).
    static std::filesystem::path DefaultPath();

    /// 1 when a text value was read into `out`; 0 otherwise (out untouched,
    /// except an empty stored text, which empties `out` and still returns 0).
    int GetRegString(const std::string& key, const std::string& name, std::string& out) const;
    /// 1 when a 32-bit number was read; 0 otherwise and `out` is 0.
    int GetRegDword(const std::string& key, const std::string& name, std::uint32_t& out) const;
    /// 1 when written; 0 otherwise (the earlier stored value stays).
    int SetRegString(const std::string& key, const std::string& name, const std::string& value);
    int SetRegDword(const std::string& key, const std::string& name, std::uint32_t value);
    /// 1 when the value is gone afterwards (also when it never existed); 0 on a failed write.
    int DeleteValue(const std::string& key, const std::string& name);

    /// One write for many values: deletes the values of `key` that `drop`
    /// picks, then writes `values` in order. A crash or a failure leaves all
    /// of the old values or all of the new. 1 when written; 0 otherwise.
    int SetRegValues(const std::string& key, const std::function<bool(const std::string&)>& drop,
                     const std::vector<StoreValue>& values);
    /// The same, deleting nothing.
    int SetRegValues(const std::string& key, const std::vector<StoreValue>& values) {
        return SetRegValues(key, [](const std::string&) { return false; }, values);
    }

    /// Names of the values under `key`, in file order (empty when the key is missing).
    std::vector<std::string> ValueNames(const std::string& key) const;

    /// The first failed write since the last call, naming the file and the
    /// reason ("" when every write succeeded); for callers that write many values
    /// and report once. A failed write leaves the file as it was.
    std::string TakeWriteFailure();
    /// "" when the file can be read or does not exist yet; else why it cannot
    /// be read, naming the file (reads then find nothing): also for a file
    /// that is not a settings file at all.
    std::string ReadProblem() const;
    /// Some stored line could not be read (or nothing can be read at all).
    bool Damaged() const;

    /// The store's file; empty for the registry.
    const std::filesystem::path& path() const { return file_; }
    /// Where files that go with the settings are saved (the copies taken
    /// before a firmware update): the file's folder, or for the registry the
    /// user's application data (%APPDATA%\Korvane\Pelmora); empty for the
    /// current folder.
    std::filesystem::path SideFolder() const;
    /// The file or the registry key, for messages.
    std::string Where() const;

private:
    int Written(const std::string& failure);

    std::shared_ptr<StoreBackend> backend_;
    std::filesystem::path file_;
    std::string writeFailure_;
};

}  // namespace pelmora::context
