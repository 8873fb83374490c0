#include "context/SettingsStore.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <system_error>
#include <utility>

#include "context/RegFileStore.h"
#include "context/StoreBackend.h"
#include "context/RegSyntax.h"

namespace pelmora::context {

namespace {

std::optional<RegValue> Lookup(const StoreBackend& backend, const std::string& key, const std::string& name) {
    const std::optional<RegDocument> document = backend.Load();
    if (!document) return std::nullopt;
    const RegKey* found = FindRegKey(*document, key);
    const RegValue* value = found ? FindRegValue(*found, name) : nullptr;
    if (!value) return std::nullopt;
    return *value;
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

std::string Store(StoreBackend& backend, const std::string& key, const std::string& name, RegValue value) {
    if (!IsValidKeyPath(key) || !IsValidValueName(name)) return "the key or value name holds a line break or NUL";
    return backend.Modify([&](RegDocument& document) {
        Put(KeyOf(document, key), name, std::move(value));
        return true;
    });
}

RegValue Text(const std::string& text) {
    // The reader stops at the first zero byte, so nothing after it is kept.
    return RegValue{{}, RegType::Text, text.substr(0, text.find('\0')), 0};
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path file)
    : backend_(std::make_shared<RegFileStore>(file)), file_(std::move(file)) {}

SettingsStore::SettingsStore(std::shared_ptr<StoreBackend> backend) : backend_(std::move(backend)) {}

int SettingsStore::GetRegString(const std::string& key, const std::string& name, std::string& out) const {
    const std::optional<RegValue> value = Lookup(*backend_, key, name);
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
    const std::optional<RegValue> value = Lookup(*backend_, key, name);
    if (!value || value->type != RegType::Dword) return 0;
    out = value->number;
    return 1;
}

int SettingsStore::SetRegString(const std::string& key, const std::string& name, const std::string& value) {
    return Written(Store(*backend_, key, name, Text(value)));
}

int SettingsStore::SetRegDword(const std::string& key, const std::string& name, std::uint32_t value) {
    return Written(Store(*backend_, key, name, RegValue{{}, RegType::Dword, {}, value}));
}

int SettingsStore::Written(const std::string& failure) {
    if (failure.empty()) return 1;
    if (writeFailure_.empty()) writeFailure_ = "cannot save the settings in '" + backend_->Where() + "': " + failure;
    return 0;
}

std::string SettingsStore::TakeWriteFailure() { return std::exchange(writeFailure_, {}); }

std::string SettingsStore::ReadProblem() const { return backend_->ReadProblem(); }

bool SettingsStore::Damaged() const {
    const std::optional<RegDocument> document = backend_->Load();
    return !document || document->damaged;
}

std::string SettingsStore::Where() const { return backend_->Where(); }

int SettingsStore::DeleteValue(const std::string& key, const std::string& name) {
    // A value the file cannot hold is not there to delete.
    if (!IsValidKeyPath(key) || !IsValidValueName(name)) return 1;
    // Nothing to delete needs no lock and no write, so it also works in a read-only folder.
    if (const std::optional<RegDocument> document = backend_->Load()) {
        const RegKey* found = FindRegKey(*document, key);
        if (!found || !FindRegValue(*found, name)) return 1;
    }
    return Written(backend_->Modify([&](RegDocument& document) {
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
    return Written(backend_->Modify([&](RegDocument& document) {
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
    const std::optional<RegDocument> document = backend_->Load();
    const RegKey* found = document ? FindRegKey(*document, key) : nullptr;
    if (found)
        for (const RegValue& value : found->values) names.push_back(value.name);
    return names;
}

}  // namespace pelmora::context
