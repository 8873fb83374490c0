// The settings in the registry (under Wine here): what lands where, the
// machine's settings taken over, and writers stopped at every step.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "context/SettingsStore.h"
#include "context/win32/RegistryStore.h"
#include "support/TempDir.h"

namespace pelmora::context {
namespace {

class RegistryStoreTest : public ::testing::Test {
protected:
    // A key of each test's own, so runs never meet the real settings or each other.
    const std::string root_ = "Software\\Korvane\\PelmoraTest" + std::to_string(::GetCurrentProcessId()) + "_" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string nv_ = root_ + "\\NV";

    void TearDown() override {
        StopRegistryWritesForTest(-1);
        for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            ::RegDeleteTreeA(hive, root_.c_str());
            ::RegDeleteTreeA(hive, (root_ + " Journal").c_str());
        }
    }
    SettingsStore Store() const { return SettingsStore(std::make_shared<RegistryStore>(root_)); }

    // What the hive itself holds, bypassing the store.
    static std::string RawText(HKEY hive, const std::string& key, const char* name) {
        char text[256];
        DWORD size = sizeof text;
        if (::RegGetValueA(hive, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) return "-";
        return text;
    }
    static long RawDword(HKEY hive, const std::string& key, const char* name) {
        DWORD value = 0, size = sizeof value;
        if (::RegGetValueA(hive, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) return -1;
        return static_cast<long>(value);
    }
    static void PutRaw(HKEY hive, const std::string& key, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY handle = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(hive, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr), ERROR_SUCCESS);
        ::RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(handle);
    }
    // What a fresh store reads, -1 when it reads nothing.
    long Number(const std::string& name) const {
        std::uint32_t number = 0;
        return Store().GetRegDword(root_, name, number) == 1 ? static_cast<long>(number) : -1;
    }
};

TEST_F(RegistryStoreTest, StoresTextsAndNumbersAsRegistryValuesOfTheUser) {
    SettingsStore store = Store();
    EXPECT_EQ(store.Where(), "HKEY_CURRENT_USER\\" + root_);
    EXPECT_EQ(store.ReadProblem(), "");
    EXPECT_EQ(store.SetRegDword(root_, "uPortType", 3), 1);
    EXPECT_EQ(store.SetRegString(root_, "uPort", "NET127.0.0.1"), 1);
    EXPECT_EQ(store.SetRegString(nv_, "image001", "C:\\logos\\logo.bmp,050"), 1);
    EXPECT_EQ(RawDword(HKEY_CURRENT_USER, root_, "uPortType"), 3);
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, root_, "uPort"), "NET127.0.0.1");
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, nv_, "image001"), "C:\\logos\\logo.bmp,050");

    std::string text;
    std::uint32_t number = 0;
    const SettingsStore reader = Store();
    EXPECT_EQ(reader.GetRegString(root_, "UPORT", text), 1);  // names compare as the registry does
    EXPECT_EQ(text, "NET127.0.0.1");
    EXPECT_EQ(reader.GetRegDword(root_, "uPort", number), 0);  // a text is no number
    EXPECT_EQ(reader.ValueNames(nv_), std::vector<std::string>{"image001"});

    EXPECT_EQ(store.SetRegValues(root_, [](const std::string& name) { return name == "uPort"; },
                                 {{"uBaudrate", std::uint32_t{9600}}}), 1);
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, root_, "uPort"), "-");
    EXPECT_EQ(RawDword(HKEY_CURRENT_USER, root_, "uBaudrate"), 9600);
    EXPECT_EQ(store.DeleteValue(root_, "uBaudrate"), 1);
    EXPECT_EQ(store.DeleteValue(root_, "never"), 1);
    EXPECT_EQ(RawDword(HKEY_CURRENT_USER, root_, "uBaudrate"), -1);
    EXPECT_EQ(store.TakeWriteFailure(), "");
}

TEST_F(RegistryStoreTest, ReadsTheMachinesSettingsUntilTheUserWritesAndThenCopiesThemWhole) {
    for (const auto& [name, value] : {std::pair{"uPortType", DWORD{3}}, std::pair{"uBaudrate", DWORD{9100}}})
        PutRaw(HKEY_LOCAL_MACHINE, root_, name, REG_DWORD, &value, sizeof value);
    EXPECT_EQ(Number("uBaudrate"), 9100);
    EXPECT_EQ(Store().SetRegDword(root_, "uBaudrate", 9101), 1);
    EXPECT_EQ(RawDword(HKEY_CURRENT_USER, root_, "uPortType"), 3);  // taken over, not hidden
    EXPECT_EQ(RawDword(HKEY_CURRENT_USER, root_, "uBaudrate"), 9101);
    EXPECT_EQ(RawDword(HKEY_LOCAL_MACHINE, root_, "uBaudrate"), 9100);  // the machine's stay as they were
}

TEST_F(RegistryStoreTest, AWriterStoppedAtAnyStepLeavesAllOldOrAllNewValues) {
    const std::vector<std::string> names{"a", "b", "c", "d"};
    // Stopped before the journal: the old values; after it: the new, however few reached the key.
    for (int stop = 0; stop <= static_cast<int>(names.size()) + 1; ++stop) {
        std::vector<StoreValue> oldValues, newValues;
        for (const std::string& name : names) {
            oldValues.push_back({name, std::uint32_t(100)});
            newValues.push_back({name, std::uint32_t(200 + stop)});
        }
        ASSERT_EQ(Store().SetRegValues(root_, oldValues), 1);
        StopRegistryWritesForTest(stop);
        SettingsStore writer = Store();
        const int written = writer.SetRegValues(root_, newValues);
        StopRegistryWritesForTest(-1);
        EXPECT_EQ(written, stop == static_cast<int>(names.size()) + 1 ? 1 : 0);
        const std::uint32_t expected = stop == 0 ? 100 : 200 + stop;
        // Readers see a committed change at once, whatever of it reached the key ...
        for (const std::string& name : names)
            EXPECT_EQ(Number(name), expected) << "stopped after " << stop << ", value " << name;
        // ... and the next writer finishes it in the key itself.
        ASSERT_EQ(Store().SetRegDword(root_ + "\\Other", "x", 1), 1);
        for (const std::string& name : names)
            EXPECT_EQ(RawDword(HKEY_CURRENT_USER, root_, name.c_str()), expected) << stop << " " << name;
    }
}

TEST_F(RegistryStoreTest, AJournalThatIsNotOursIsDroppedAndTheValuesStay) {
    ASSERT_EQ(Store().SetRegDword(root_, "uPortType", 1), 1);
    const char garbage[] = "PJ1\x05\x00\x00\x00 cut short";
    PutRaw(HKEY_CURRENT_USER, root_ + " Journal", "Pending", REG_BINARY, garbage, sizeof garbage - 1);
    EXPECT_EQ(Number("uPortType"), 1);
    EXPECT_EQ(Store().SetRegDword(root_, "uBaudrate", 9600), 1);
    EXPECT_EQ(RawDword(HKEY_CURRENT_USER, root_, "uPortType"), 1);
    EXPECT_EQ(RawText(HKEY_CURRENT_USER, root_ + " Journal", "Pending"), "-");
}

TEST(DefaultStoreTest, IsTheRegistryUnlessPelmoraRegistryNamesAFile) {
    ::_putenv("PELMORA_REGISTRY=");
    EXPECT_EQ(SettingsStore::OpenDefault().Where(), std::string("HKEY_CURRENT_USER\\") + ProductKey);
    const pelmora::test::TempDir dir;
    const std::string file = (dir.path() / "registry.reg").string();
    ::_putenv(("PELMORA_REGISTRY=" + file).c_str());
    SettingsStore store = SettingsStore::OpenDefault();
    ::_putenv("PELMORA_REGISTRY=");
    EXPECT_EQ(store.Where(), file);
    EXPECT_EQ(store.SetRegDword(ProductKey, "uPortType", 3), 1);
    EXPECT_NE(pelmora::test::ReadFile(file).find("\"uPortType\"=dword:00000003"), std::string::npos);
}

}  // namespace
}  // namespace pelmora::context
