#include <gtest/gtest.h>

#include "nv/NvAddressing.h"

namespace pelmora::nv {
namespace {

std::vector<std::string> Take(AutoAddressing& addressing, const std::vector<std::string>& stored, int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(addressing.Next(stored).value_or("none"));
    return out;
}

TEST(AutoAddressing, SkipsStoredCodesAndNeverRepeats) {
    AutoAddressing empty;
    EXPECT_EQ(Take(empty, {}, 3), (std::vector<std::string>{"10", "11", "12"}));
    AutoAddressing some;
    EXPECT_EQ(Take(some, {"10", "12"}, 3), (std::vector<std::string>{"11", "13", "14"}));
}

TEST(AutoAddressing, RunsOnPastNineInCharacterOrder) {
    AutoAddressing addressing;
    const auto codes = Take(addressing, {}, 91);
    EXPECT_EQ(codes[9], "19");
    EXPECT_EQ(codes[10], "20");
    EXPECT_EQ(codes[89], "99");
    EXPECT_EQ(codes[90], ":0");
    EXPECT_EQ(std::count(codes.begin(), codes.end(), "00"), 0);
}

TEST(AutoAddressing, EndsWhenEveryCandidateIsTaken) {
    std::vector<std::string> all;
    for (int first = 0; first < 256; ++first)
        for (char second = '0'; second <= '9'; ++second) all.push_back({static_cast<char>(first), second});
    AutoAddressing addressing;
    EXPECT_EQ(addressing.Next(all), std::nullopt);
    EXPECT_EQ(addressing.Next({}), std::nullopt);
}

TEST(CheckAddressCode, ExactCaseSensitiveAndTwoCharacters) {
    const std::vector<std::string> stored{"A1", "10"};
    EXPECT_EQ(CheckAddressCode("A1", stored), AddressVerdict::Exists);
    EXPECT_EQ(AddressVerdictText(AddressVerdict::Exists), "Exists address!");
    EXPECT_EQ(CheckAddressCode("a1", stored), AddressVerdict::Ok);
    EXPECT_EQ(CheckAddressCode("11", stored), AddressVerdict::Ok);
    for (const char* bad : {"", "7", "100"}) EXPECT_EQ(CheckAddressCode(bad, stored), AddressVerdict::WrongLength) << bad;
}

}  // namespace
}  // namespace pelmora::nv
