#include "context/StoreJournal.h"

#include <algorithm>
#include <cstdint>

namespace pelmora::context {

namespace {

constexpr std::string_view kMagic = "PJ1";

bool SameValue(const RegValue& a, const RegValue& b) {
    if (a.type != b.type) return false;
    return a.type == RegType::Dword ? a.number == b.number : a.data == b.data;
}

void PutNumber(std::string& out, std::uint32_t n) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((n >> shift) & 0xFF));
}

void PutText(std::string& out, std::string_view text) {
    PutNumber(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
}

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}
    bool Number(std::uint32_t& n) {
        if (in_.size() < 4) return false;
        n = 0;
        for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(in_[static_cast<std::size_t>(i)]);
        in_.remove_prefix(4);
        return true;
    }
    bool Text(std::string& text) {
        std::uint32_t size = 0;
        if (!Number(size) || in_.size() < size) return false;
        text.assign(in_.substr(0, size));
        in_.remove_prefix(size);
        return true;
    }
    bool Done() const { return in_.empty(); }

private:
    std::string_view in_;
};

}  // namespace

std::vector<StoreWrite> PlanWrites(const RegDocument& before, const RegDocument& after) {
    std::vector<StoreWrite> writes;
    for (const RegKey& key : after.keys) {
        const RegKey* old = FindRegKey(before, key.path);
        for (const RegValue& value : key.values) {
            if (value.type == RegType::Other) continue;
            const RegValue* was = old ? FindRegValue(*old, value.name) : nullptr;
            if (!was || !SameValue(*was, value)) writes.push_back({key.path, value, false});
        }
        if (!old) continue;
        for (const RegValue& value : old->values) {
            if (value.type != RegType::Other && !FindRegValue(key, value.name))
                writes.push_back({key.path, RegValue{value.name, RegType::Text, {}, 0}, true});
        }
    }
    return writes;
}

void ApplyWrites(RegDocument& document, const std::vector<StoreWrite>& writes) {
    for (const StoreWrite& write : writes) {
        RegKey* key = FindRegKey(document, write.key);
        if (!key) {
            if (write.remove) continue;
            key = &document.keys.emplace_back(RegKey{write.key, {}});
        }
        RegValue* value = FindRegValue(*key, write.value.name);
        if (write.remove) {
            if (value) key->values.erase(key->values.begin() + (value - key->values.data()));
        } else if (value) {
            *value = write.value;
        } else {
            key->values.push_back(write.value);
        }
    }
}

std::string EncodeWrites(const std::vector<StoreWrite>& writes) {
    std::string out(kMagic);
    PutNumber(out, static_cast<std::uint32_t>(writes.size()));
    for (const StoreWrite& write : writes) {
        PutNumber(out, write.remove ? 0 : write.value.type == RegType::Dword ? 2 : 1);
        PutText(out, write.key);
        PutText(out, write.value.name);
        PutText(out, write.value.data);
        PutNumber(out, write.value.number);
    }
    return out;
}

std::optional<std::vector<StoreWrite>> DecodeWrites(std::string_view record) {
    if (record.substr(0, kMagic.size()) != kMagic) return std::nullopt;
    Reader in(record.substr(kMagic.size()));
    std::uint32_t count = 0;
    // Each write takes at least 20 bytes, so a huge count in a short record is refused before any allocation.
    if (!in.Number(count) || count > record.size() / 20) return std::nullopt;
    std::vector<StoreWrite> writes(count);
    for (StoreWrite& write : writes) {
        std::uint32_t kind = 0;
        if (!in.Number(kind) || kind > 2 || !in.Text(write.key) || !in.Text(write.value.name) ||
            !in.Text(write.value.data) || !in.Number(write.value.number))
            return std::nullopt;
        write.remove = kind == 0;
        write.value.type = kind == 2 ? RegType::Dword : RegType::Text;
    }
    if (!in.Done()) return std::nullopt;
    return writes;
}

}  // namespace pelmora::context
