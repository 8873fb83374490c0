// The record in the settings store: names, order, types, defaults.
#include <gtest/gtest.h>

#include "VmsmRig.h"
#include "context/SettingsStore.h"
#include "vmsm/PrinterConfig.h"

namespace pelmora::vmsm {
namespace {

TEST(PrinterConfigStore, EmptyStoreGivesTheDefaults) {
    test::TempDir dir;
    context::SettingsStore store(dir / "r.reg");
    PrinterConfig r;
    for (const auto& f : kStoredFields) r.*f.member = 77;
    r.BtPinCode = "kept";
    r.RfInterface = 2;
    EXPECT_EQ(LoadFromStore(r, store, context::ProductKey), 1);
    EXPECT_EQ(r.Density, 4u);
    EXPECT_EQ(r.Msr, 6u);
    EXPECT_EQ(r.Baudrate, 115200u);
    EXPECT_EQ(r.Databit, 8u);
    EXPECT_EQ(r.Flowcontrol, 1u);
    for (auto member : {&PrinterConfig::Speed, &PrinterConfig::CodePage, &PrinterConfig::Service,
                        &PrinterConfig::FontType, &PrinterConfig::BeepPaper, &PrinterConfig::BeepLowBat,
                        &PrinterConfig::CharMode, &PrinterConfig::TimeOff, &PrinterConfig::TimeSave,
                        &PrinterConfig::CuttingPosition, &PrinterConfig::Parity, &PrinterConfig::Sentinel})
        EXPECT_EQ(r.*member, 0u);
    EXPECT_EQ(r.BtPinCode, "kept") << "texts and Bluetooth fields are not loaded";
    EXPECT_EQ(r.RfInterface, 2u);
}

TEST(PrinterConfigStore, SaveWritesNamesInOrderAndLoadGivesThemBack) {
    test::TempDir dir;
    context::SettingsStore store(dir / "r.reg");
    PrinterConfig r;
    std::uint32_t value = 1;
    for (const auto& f : kStoredFields) r.*f.member = value++ * 3;
    EXPECT_EQ(SaveToStore(r, store, context::ProductKey, "V1.00 090216", '9'), 1);

    const std::vector<std::string> want = {"Density", "Speed", "CodePage", "Service", "FontType", "BeepPaper",
                                           "BeepLowBat", "CharMode", "TimeOff", "TimeSave", "CuttingPosition",
                                           "Msr", "Baudrate", "Databit", "Parity", "Flowcontrol", "Fwver",
                                           "Msrmode", "Sentinel"};
    EXPECT_EQ(store.ValueNames(context::ProductKey), want);
    std::string version;
    EXPECT_EQ(store.GetRegString(context::ProductKey, "Fwver", version), 1);
    EXPECT_EQ(version, "V1.00 090216");
    std::uint32_t msr = 0;
    EXPECT_EQ(store.GetRegDword(context::ProductKey, "Msrmode", msr), 1);
    EXPECT_EQ(msr, std::uint32_t{'9'});

    PrinterConfig back;
    LoadFromStore(back, store, context::ProductKey);
    for (const auto& f : kStoredFields) EXPECT_EQ(back.*f.member, r.*f.member) << f.name;
}

TEST(PrinterConfigStore, AMistypedValueGivesItsDefaultOnly) {
    test::TempDir dir;
    context::SettingsStore store(dir / "r.reg");
    store.SetRegString(context::ProductKey, "Msr", "3");
    store.SetRegDword(context::ProductKey, "TimeOff", 30);
    PrinterConfig r;
    LoadFromStore(r, store, context::ProductKey);
    EXPECT_EQ(r.Msr, 6u);
    EXPECT_EQ(r.TimeOff, 30u);
}

}  // namespace
}  // namespace pelmora::vmsm
