#include "nv/NvCatalogue.h"

#include <cctype>
#include <cstdio>

#include "context/ResultCode.h"
#include "nv/NvEngine.h"

namespace pelmora::nv {

namespace {
constexpr std::size_t kBrightnessDigits = 3;

std::string EntryName(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "image%03d", index);
    return name;
}

/// Leading blanks, a sign, then digits up to the first non-digit; no digit gives 0.
std::int32_t LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int32_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

bool IsCatalogueValue(const std::string& name) {
    if (name == kCountValue) return true;
    for (int index = 1; index <= static_cast<int>(kMaxImageItems); ++index)
        if (name == EntryName(index)) return true;
    return false;
}
}  // namespace

std::string CatalogueEntryText(const CatalogueEntry& entry) {
    char brightness[16];
    std::snprintf(brightness, sizeof brightness, ",%03d", entry.brightness);
    return entry.path + brightness;
}

CatalogueEntry ParseCatalogueEntry(const std::string& text) {
    CatalogueEntry entry;
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) {
        entry.path = text;
        return entry;
    }
    entry.path = text.substr(0, comma);
    entry.brightness = LeadingNumber(text.substr(comma + 1, kBrightnessDigits));
    return entry;
}

std::string ReadCatalogueEntry(const context::SettingsStore& store, int index) {
    std::string text;
    if (!store.GetRegString(NvKey, EntryName(index), text)) return {};
    return text;
}

void WriteCatalogueEntry(context::SettingsStore& store, int index, const std::string& text) {
    store.SetRegString(NvKey, EntryName(index), text);
}

std::vector<std::string> LoadCatalogue(NvEngine& nv) {
    std::vector<std::string> tooLarge;
    nv.editImageList().ClearImageList();
    for (int index = 1; index <= static_cast<int>(kMaxImageItems); ++index) {
        const std::string text = ReadCatalogueEntry(nv.store(), index);
        if (text.empty()) break;
        const CatalogueEntry entry = ParseCatalogueEntry(text);
        const auto item = nv.LoadImageItem(nv.imageList().NextNumber(), entry.path, entry.brightness);
        if (!item) continue;
        if (nv.editImageList().AddImageItem(*item) == rc::OverLimit) tooLarge.push_back(entry.path);
    }
    return tooLarge;
}

std::string SaveCatalogue(NvEngine& nv) {
    nv.ForgetPrinterCheck();
    std::vector<context::StoreValue> values;
    int index = 1;
    for (const auto& item : nv.imageList().items())
        values.push_back({EntryName(index++), CatalogueEntryText({item.path, item.brightness})});
    values.push_back({kCountValue, static_cast<std::uint32_t>(nv.imageCount())});
    // One write: a crash half way must not leave half of the operator's list.
    auto& store = nv.store();
    store.TakeWriteFailure();  // an earlier failure is not this save's
    store.SetRegValues(NvKey, IsCatalogueValue, values);
    nv.ClearDownloadQueue();
    nv.ForgetAddresses();
    return store.TakeWriteFailure();
}

}  // namespace pelmora::nv
