#include "vmsm/PrinterConfig.h"

#include <cstring>

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
    for (const NumberField& field : kStoredFields) {
        // The printer's identity goes between "Flowcontrol" and "Sentinel".
        if (std::strcmp(field.name, "Sentinel") == 0) {
            store.SetRegString(key, "Fwver", versionText);
            store.SetRegDword(key, "Msrmode", msrMode);
        }
        store.SetRegDword(key, field.name, config.*field.member);
    }
    return 1;
}

PrinterConfig FactoryValues() {
    PrinterConfig f;
    f.Density = 4;
    f.Speed = 0;
    f.CharMode = 1;
    f.CodePage = 0;
    f.TimeOff = 15;
    f.TimeSave = 10;
    f.Msr = 5;
    f.Sentinel = SentinelNone;
    f.Service = 0;
    f.BeepLowBat = 0;
    f.BeepPaper = 0;
    f.FontType = 0;
    f.Baudrate = 115200;
    f.Parity = 0;
    f.Flowcontrol = 0;
    f.Databit = 8;
    f.StartSentinel = {"START1", "START2", "START3"};
    f.EndSentinel = {"END1", "END2", "END3"};
    f.BtSecurity = 1;
    f.BtConnMode = 1;
    f.BtPinCode = "5291";
    f.BtDeviceName = "MPT-Q700VII";
    return f;
}

}  // namespace pelmora::vmsm
