#include "vmsm/PrinterConfig.h"

#include <cstring>
#include <vector>

#include "context/SettingsStore.h"
#include "vmsm/ConfigFields.h"

namespace pelmora::vmsm {

int LoadFromStore(PrinterConfig& config, const context::SettingsStore& store, const std::string& key) {
    for (const NumberField& field : kStoredFields) {
        std::uint32_t value = 0;
        config.*field.member = store.GetRegDword(key, field.name, value) ? value : field.storeDefault;
    }
    return 1;
}

int SaveToStore(const PrinterConfig& config, context::SettingsStore& store, const std::string& key,
                const std::string& versionText, std::uint8_t msrMode) {
    std::vector<context::StoreValue> values;
    for (const NumberField& field : kStoredFields) {
        // The printer's identity goes between "Flowcontrol" and "Sentinel".
        if (std::strcmp(field.name, "Sentinel") == 0) {
            values.push_back({"Fwver", versionText});
            values.push_back({"Msrmode", std::uint32_t{msrMode}});
        }
        values.push_back({field.name, config.*field.member});
    }
    // One write: a record half old and half new would be no printer's.
    store.SetRegValues(key, values);
    return 1;
}

}  // namespace pelmora::vmsm
