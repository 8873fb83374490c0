#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "context/SettingsStore.h"

namespace pelmora::nv {

class NvEngine;

/// One catalogue entry: "path,%03d" of the brightness.
struct CatalogueEntry {
    std::string path;
    std::int32_t brightness = 0;
};

std::string CatalogueEntryText(const CatalogueEntry& entry);
/// Cuts at the first comma; the brightness is read from at most three
/// characters after it like atoi. No comma: the whole text is the path, brightness 0.
CatalogueEntry ParseCatalogueEntry(const std::string& text);

/// The text of "image%03d"; empty when absent or not a text value.
std::string ReadCatalogueEntry(const context::SettingsStore& store, int index);
void WriteCatalogueEntry(context::SettingsStore& store, int index, const std::string& text);

/// Rebuilds the image list from image001 up to the first missing or empty
/// entry. Files that no longer load are skipped silently; the paths returned
/// are entries dropped because they would pass NvMemoryLimit (the window
/// shows "NV image area too small!" for each).
std::vector<std::string> LoadCatalogue(NvEngine& nv);

/// Clears PrinterChecked, replaces the catalogue with the image list and
/// "Count" with ImageCount in one write (all or nothing), and empties the
/// download queue and address list. "" when stored, else why not, naming the file.
std::string SaveCatalogue(NvEngine& nv);

}  // namespace pelmora::nv
