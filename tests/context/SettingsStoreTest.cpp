#include "context/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SettingsStoreTempDir.h"

namespace pelmora::context {
namespace {

using testing::ReadFile;
using testing::WriteFile;

const std::string kProduct = ProductKey;
const std::string kNv = kProduct + "\\NV";
const std::string kHead = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\n";

class SettingsStoreTest : public testing::TempDirTest {
protected:
    // A new object per call: nothing may survive in memory between calls.
    SettingsStore store() const { return SettingsStore(file()); }
};

TEST_F(SettingsStoreTest, ValuesRoundTripByteForByte) {
    const std::vector<std::string> texts = {"COM1:", "C:\\logos\\\"quoted\".bmp", "caf\xC3\xA9", "Latin-1 \xE9\xFF",
                                            "two\r\nlines\n", " padded ", "\\", "\"", "dword:00000001"};
    const std::vector<std::uint32_t> numbers = {0, 1, 0x7FFFFFFF, 0xDEADBEEF, 0xFFFFFFFF};
    const auto name = [](char kind, std::size_t i) { return kind + std::to_string(i); };
    for (std::size_t i = 0; i < texts.size(); ++i) ASSERT_EQ(store().SetRegString(kProduct, name('t', i), texts[i]), 1);
    for (std::size_t i = 0; i < numbers.size(); ++i) ASSERT_EQ(store().SetRegDword(kProduct, name('n', i), numbers[i]), 1);
    // A text ends at its first zero byte, as the registry's reader takes it.
    ASSERT_EQ(store().SetRegString(kProduct, "z", std::string("ab\0cd", 5)), 1);

    std::string text;
    std::uint32_t number = 7;
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_TRUE(store().GetRegString(kProduct, name('t', i), text) == 1 && text == texts[i]) << texts[i] << ": " << text;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        EXPECT_TRUE(store().GetRegDword(kProduct, name('n', i), number) == 1 && number == numbers[i]) << numbers[i];
    EXPECT_TRUE(store().GetRegString(kProduct, "z", text) == 1 && text == "ab") << text;
}

// text "keep": the destination must stay untouched.
struct ReadCase { const char* what; std::string file; int textResult; std::string text; int numberResult; std::uint32_t number;
                  std::string key = kProduct, name = "a"; };

TEST_F(SettingsStoreTest, ReadsFollowTheRegistryResults) {
    const std::vector<ReadCase> cases = {
        {"no file", "", 0, "keep", 0, 0, kProduct, "uPort"},
        {"missing value", kHead + "\"a\"=\"x\"\n", 0, "keep", 0, 0, kProduct, "uPort"},
        {"missing key", kHead + "\"a\"=\"x\"\n", 0, "keep", 0, 0, kNv},
        {"text", kHead + "\"a\"=\"x\"\n", 1, "x", 0, 0},
        {"number", kHead + "\"a\"=dword:0000002a\n", 0, "keep", 1, 42},
        {"empty text", kHead + "\"a\"=\"\"\n", 0, "", 0, 0},
        {"other type", kHead + "\"a\"=hex(2):41,00\n", 0, "keep", 0, 0},
        {"other case", kHead + "\"uPort\"=\"x\"\n", 1, "x", 0, 0, "SOFTWARE\\korvane\\PELMORA", "UPORT"},
        {"crlf", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\r\n\"a\"=dword:00000005\r\n", 0, "keep", 1, 5},
        {"short hex upper case", kHead + "\"a\"=dword:FF\n", 0, "keep", 1, 255},
        {"blanks around lines", "REGEDIT4 \n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\t \n  \"a\"=dword:2a \n", 0, "keep", 1, 42},
        {"wider than 32 bits", kHead + "\"a\"=dword:100000000\n", 0, "keep", 0, 0},
        {"later duplicate wins", kHead + "\"a\"=\"x\"\n\"A\"=\"y\"\n", 1, "y", 0, 0},
        {"unknown escape", kHead + "\"a\"=\"x\\q\"\n", 0, "keep", 0, 0},
        {"no closing quote", kHead + "\"a\"=\"x\n", 0, "keep", 0, 0},
        {"key not opened by [", "REGEDIT4\n\nXHKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\n\"a\"=\"x\"\n", 0, "keep", 0, 0},
        {"key not closed by ]", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\PelmoraX\n\"a\"=\"x\"\n", 0, "keep", 0, 0},
        {"under an unreadable key", kHead + "[HKEY_CURRENT_USER\\x]\n\"a\"=\"x\"\n", 0, "keep", 0, 0},
        {"good lines around garbage", kHead + "\x01\xFFgarbage\n\"a\"=\"x\"\n", 1, "x", 0, 0},
        {"binary noise", std::string("\0\0\xFF[\n\"]=\n", 9), 0, "keep", 0, 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.file.empty()) std::filesystem::remove(file());
        else WriteFile(file(), c.file);
        std::string text = "keep";
        std::uint32_t number = 7;
        const int results[] = {store().GetRegString(c.key, c.name, text), store().GetRegDword(c.key, c.name, number)};
        EXPECT_EQ(std::tie(results[0], text, results[1], number), std::tie(c.textResult, c.text, c.numberResult, c.number));
    }
}

TEST_F(SettingsStoreTest, WritesKeepFileOrderSpellingAndOtherTypes) {
    WriteFile(file(),
              "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\r\n"
              "\"Density\"=dword:00000003\r\n\"Blob\"=hex:01,02,\\\r\n  03,04\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora\\NV]\r\n\"Count\"=dword:00000001\r\n");
    EXPECT_EQ(store().SetRegDword("software\\korvane\\pelmora", "DENSITY", 4), 1);
    EXPECT_EQ(store().SetRegString(kProduct, "Speed", "2"), 1);
    EXPECT_EQ(store().SetRegString(kProduct + "\\Ports", "COM1", "/dev/ttyUSB0"), 1);
    EXPECT_EQ(store().DeleteValue(kNv, "count"), 1);
    EXPECT_EQ(store().DeleteValue(kNv, "never there"), 1);
    EXPECT_EQ(store().DeleteValue(kNv, "no\nname"), 1) << "a name the file cannot hold is not there either";
    EXPECT_EQ(ReadFile(file()),
              "REGEDIT4\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora]\n"
              "\"Density\"=dword:00000004\n\"Blob\"=hex:01,02,\\\n  03,04\n\"Speed\"=\"2\"\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora\\NV]\n\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Korvane\\Pelmora\\Ports]\n\"COM1\"=\"/dev/ttyUSB0\"\n\n");
    EXPECT_EQ(store().ValueNames(kProduct), (std::vector<std::string>{"Density", "Blob", "Speed"}));
    EXPECT_TRUE(store().ValueNames(kNv).empty());
    EXPECT_FALSE(std::filesystem::exists(file().string() + ".bad"));
}

// Raw data whose last line ends in '\' with nothing after it must not take
// the blank line that every save writes after a key.
TEST_F(SettingsStoreTest, SavesOfHandEditedRawDataAreStable) {
    for (const std::string tail : {"\"Blob\"=hex:01,02,\\", "\"Blob\"=hex:01,02\\\\", "\"Blob\"=hex:01,02\\\n\\\\",
                                   "\"Blob\"=hex:01,\\\n\n\"Speed\"=\"2\"\n"}) {
        WriteFile(file(), kHead + tail);
        ASSERT_EQ(store().SetRegDword(kProduct, "Density", 4), 1);
        const std::string once = ReadFile(file());
        ASSERT_EQ(store().SetRegDword(kProduct, "Density", 4), 1);
        EXPECT_EQ(ReadFile(file()), once) << tail;
        EXPECT_EQ(store().ValueNames(kProduct).size(), tail.find("Speed") == std::string::npos ? 2u : 3u) << tail;
    }
}

TEST_F(SettingsStoreTest, NamesTheFileCannotHoldAreRefused) {
    for (const std::string key : {"", "\\Software", "Software\\", "Soft\\\\ware", "Soft\nware"})
        EXPECT_EQ(store().SetRegDword(key, "a", 1), 0) << key;
    EXPECT_EQ(store().SetRegDword(kProduct, "a\nb", 1), 0);
    EXPECT_FALSE(std::filesystem::exists(file()));
    // The default value has no name and is written the registry's way, in folders made for it.
    SettingsStore nested(dir_ / "a" / "b" / "registry.reg");
    EXPECT_EQ(nested.SetRegString(kProduct, "", "d"), 1);
    EXPECT_EQ(ReadFile(nested.path()), kHead + "@=\"d\"\n\n");
}

}  // namespace
}  // namespace pelmora::context
