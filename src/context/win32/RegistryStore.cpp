#include "context/win32/RegistryStore.h"

#include <windows.h>

#include <atomic>
#include <system_error>
#include <vector>

#include "context/StoreJournal.h"

namespace pelmora::context {

namespace {

constexpr const char* kJournalValue = "Pending";
// One writer at a time in this session, across processes.
constexpr const char* kWritersMutex = "Local\\PelmoraSettingsWriters";
std::atomic<int> g_stopAfter{-1};

std::string Reason(LONG error) { return std::system_category().message(static_cast<int>(error)); }

class Key {
public:
    Key() = default;
    ~Key() { if (key_) ::RegCloseKey(key_); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    LONG Open(HKEY hive, const std::string& path, REGSAM access) {
        return ::RegOpenKeyExA(hive, path.c_str(), 0, access, &key_);
    }
    LONG Create(HKEY hive, const std::string& path) {
        return ::RegCreateKeyExA(hive, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

bool Exists(HKEY hive, const std::string& path) {
    Key key;
    return key.Open(hive, path, KEY_READ) == ERROR_SUCCESS;
}

// Text and 32-bit values; others (binary, multi-text) are not ours and stay unread.
void ReadValues(HKEY key, RegKey& into) {
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameSize = sizeof name, type = 0, dataSize = 0;
        LONG read = ::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &dataSize);
        if (read == ERROR_NO_MORE_ITEMS) break;
        if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_DWORD)) continue;
        std::vector<char> data(dataSize + 1);
        nameSize = sizeof name;
        read = ::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &dataSize);
        if (read != ERROR_SUCCESS) continue;
        RegValue value{std::string(name, nameSize), RegType::Text, {}, 0};
        if (type == REG_DWORD && dataSize == sizeof(DWORD)) {
            value.type = RegType::Dword;
            value.number = *reinterpret_cast<const DWORD*>(data.data());
        } else if (type == REG_SZ) {
            value.data.assign(data.data(), strnlen(data.data(), dataSize));
        } else {
            continue;
        }
        into.values.push_back(std::move(value));
    }
}

void ReadTree(HKEY hive, const std::string& path, RegDocument& document) {
    Key key;
    if (key.Open(hive, path, KEY_READ) != ERROR_SUCCESS) return;
    RegKey& here = document.keys.emplace_back(RegKey{path, {}});
    ReadValues(key.get(), here);
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD size = sizeof name;
        const LONG read = ::RegEnumKeyExA(key.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (read != ERROR_SUCCESS) break;
        ReadTree(hive, path + '\\' + std::string(name, size), document);
    }
}

// The pending journal record; empty when there is none.
std::string ReadJournal(const std::string& journal) {
    Key key;
    if (key.Open(HKEY_CURRENT_USER, journal, KEY_READ) != ERROR_SUCCESS) return {};
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(key.get(), kJournalValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return {};
    std::string record(size, '\0');
    if (::RegQueryValueExA(key.get(), kJournalValue, nullptr, &type, reinterpret_cast<BYTE*>(record.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    record.resize(size);
    return record;
}

constexpr const char* kStopped = "stopped for a test";

// Applies `writes` in the user's hive; "" on success. A test may stop it
// after `limit` writes (-1: no limit), as a crash would.
std::string Apply(const std::vector<StoreWrite>& writes, int limit = -1) {
    int done = 0;
    for (const StoreWrite& write : writes) {
        if (limit >= 0 && done++ >= limit) return kStopped;
        Key key;
        LONG result = key.Create(HKEY_CURRENT_USER, write.key);
        if (result != ERROR_SUCCESS) return "cannot open " + write.key + ": " + Reason(result);
        const char* name = write.value.name.c_str();
        if (write.remove) {
            result = ::RegDeleteValueA(key.get(), name);
            if (result == ERROR_FILE_NOT_FOUND) result = ERROR_SUCCESS;
        } else if (write.value.type == RegType::Dword) {
            const DWORD number = write.value.number;
            result = ::RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
        } else {
            const std::string& text = write.value.data;
            result = ::RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                      static_cast<DWORD>(text.size() + 1));
        }
        if (result != ERROR_SUCCESS) return "cannot write " + write.key + "\\" + write.value.name + ": " + Reason(result);
    }
    return {};
}

// Finishes a change a crashed writer committed; a record not ours is dropped.
std::string RollForward(const std::string& journal) {
    const std::string record = ReadJournal(journal);
    if (record.empty()) return {};
    if (const auto writes = DecodeWrites(record)) {
        if (std::string why = Apply(*writes); !why.empty()) return why;
    }
    Key key;
    if (key.Open(HKEY_CURRENT_USER, journal, KEY_WRITE) == ERROR_SUCCESS) {
        ::RegFlushKey(HKEY_CURRENT_USER);
        ::RegDeleteValueA(key.get(), kJournalValue);
    }
    return {};
}

class WritersLock {
public:
    WritersLock() : mutex_(::CreateMutexA(nullptr, FALSE, kWritersMutex)) {
        // An abandoned mutex is ours too: its writer died, and the journal covers that.
        held_ = mutex_ && ::WaitForSingleObject(mutex_, INFINITE) != WAIT_FAILED;
    }
    ~WritersLock() {
        if (held_) ::ReleaseMutex(mutex_);
        if (mutex_) ::CloseHandle(mutex_);
    }
    bool held() const { return held_; }

private:
    HANDLE mutex_;
    bool held_ = false;
};

}  // namespace

RegistryStore::RegistryStore(std::string root) : root_(std::move(root)), journal_(root_ + " Journal") {}

std::string RegistryStore::Where() const { return "HKEY_CURRENT_USER\\" + root_; }

std::optional<RegDocument> RegistryStore::Load() const {
    RegDocument document;
    ReadTree(Exists(HKEY_CURRENT_USER, root_) ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, root_, document);
    if (const auto writes = DecodeWrites(ReadJournal(journal_))) ApplyWrites(document, *writes);
    return document;
}

std::string RegistryStore::ReadProblem() const {
    Key key;
    const LONG result = key.Open(HKEY_CURRENT_USER, root_, KEY_READ);
    if (result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) return {};
    return "cannot read the settings store '" + Where() + "': " + Reason(result);
}

std::string RegistryStore::Modify(const std::function<bool(RegDocument&)>& change) {
    const WritersLock lock;
    if (!lock.held()) return "cannot wait for the other writers of the settings";
    if (std::string why = RollForward(journal_); !why.empty()) return why;
    const bool own = Exists(HKEY_CURRENT_USER, root_);
    RegDocument before;
    ReadTree(own ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, root_, before);
    RegDocument after = before;
    if (!change(after)) return {};
    // The first write of a user copies the machine's settings whole, or the new key would hide them.
    const std::vector<StoreWrite> writes = PlanWrites(own ? before : RegDocument{}, after);
    if (writes.empty()) return {};
    const int limit = g_stopAfter;
    if (limit == 0) return kStopped;
    Key journal;
    LONG result = journal.Create(HKEY_CURRENT_USER, journal_);
    if (result != ERROR_SUCCESS) return "cannot open " + journal_ + ": " + Reason(result);
    const std::string record = EncodeWrites(writes);
    result = ::RegSetValueExA(journal.get(), kJournalValue, 0, REG_BINARY,
                              reinterpret_cast<const BYTE*>(record.data()), static_cast<DWORD>(record.size()));
    if (result != ERROR_SUCCESS) return "cannot write the settings: " + Reason(result);
    ::RegFlushKey(journal.get());
    if (std::string why = Apply(writes, limit < 0 ? -1 : limit - 1); !why.empty()) return why;
    ::RegFlushKey(HKEY_CURRENT_USER);
    ::RegDeleteValueA(journal.get(), kJournalValue);
    return {};
}

void StopRegistryWritesForTest(int writes) { g_stopAfter = writes; }

}  // namespace pelmora::context
