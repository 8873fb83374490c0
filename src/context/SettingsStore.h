#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace pelmora::context {

/// A value for SetRegValues: a text or a 32-bit number.
struct StoreValue {
    std::string name;
    std::variant<std::string, std::uint32_t> value;
};

/// The product key below HKEY_LOCAL_MACHINE.
inline constexpr const char* ProductKey = "Software\\Korvane\\Pelmora";

/// The registry's model (keys below HKEY_LOCAL_MACHINE holding text and 32-bit
/// values) kept in one REGEDIT4-syntax file. No cache: every call reads or
/// writes the file; writes replace it atomically under an advisory lock.
class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path file);
    /// $PELMORA_REGISTRY, else $XDG_CONFIG_HOME/pelmora/registry.reg, else
    /// ~/.config/pelmora/registry.reg.
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

    const std::filesystem::path& path() const { return file_; }

private:
    int Written(const std::string& failure);

    std::filesystem::path file_;
    std::string writeFailure_;
};

}  // namespace pelmora::context
