#include "context/StoreJournal.h"

#include <gtest/gtest.h>

namespace pelmora::context {
namespace {

RegValue Text(const std::string& name, const std::string& text) { return {name, RegType::Text, text, 0}; }
RegValue Dword(const std::string& name, std::uint32_t n) { return {name, RegType::Dword, {}, n}; }

const std::string kKey = "Software\\Korvane\\Pelmora";
const std::string kNv = kKey + "\\NV";

TEST(StoreJournalTest, PlansOnlyWhatChangedAndReplaysItToTheSameDocument) {
    const RegDocument before{{{kKey, {Dword("uPortType", 0), Text("uPort", "COM1"), Dword("uBaudrate", 9600),
                                      RegValue{"Blob", RegType::Other, "hex:01", 0}}}}};
    RegDocument after = before;
    after.keys[0].values[1].data = "COM3";                                  // changed text
    after.keys[0].values.erase(after.keys[0].values.begin() + 2);           // deleted
    after.keys[0].values[0] = Text("uPortType", "0");                       // same name, other type
    after.keys.push_back(RegKey{kNv, {Dword("Count", 1)}});                 // new key
    const std::vector<StoreWrite> writes = PlanWrites(before, after);
    const std::vector<StoreWrite> expected{
        {kKey, Text("uPortType", "0"), false},
        {kKey, Text("uPort", "COM3"), false},
        {kKey, Text("uBaudrate", ""), true},
        {kNv, Dword("Count", 1), false},
    };
    EXPECT_EQ(writes, expected);
    EXPECT_TRUE(PlanWrites(after, after).empty());
    RegDocument replayed = before;
    ApplyWrites(replayed, writes);
    ApplyWrites(replayed, writes);  // a crashed writer's journal may be replayed twice
    EXPECT_TRUE(PlanWrites(replayed, after).empty());
    EXPECT_TRUE(PlanWrites(after, replayed).empty());
}

TEST(StoreJournalTest, RecordsRoundTripAndAnyDamagedRecordIsRefused) {
    const std::vector<StoreWrite> writes{
        {kKey, Text("uPort", std::string("NET\0\xff", 5)), false},
        {kNv, Dword("Count", 0xFFFFFFFFu), false},
        {kKey, Text("", ""), true},
    };
    const std::string record = EncodeWrites(writes);
    EXPECT_EQ(DecodeWrites(record), writes);
    EXPECT_EQ(DecodeWrites(EncodeWrites({})), std::vector<StoreWrite>{});
    // Every cut, one byte more, and another magic are all refused rather than half applied.
    for (std::size_t size = 0; size < record.size(); ++size)
        EXPECT_FALSE(DecodeWrites(record.substr(0, size))) << "cut at " << size;
    EXPECT_FALSE(DecodeWrites(record + '\0'));
    EXPECT_FALSE(DecodeWrites("PJ2" + record.substr(3)));
    // A count far beyond the record is refused before anything is allocated for it.
    EXPECT_FALSE(DecodeWrites(std::string("PJ1\xff\xff\xff\x7f", 7)));
}

}  // namespace
}  // namespace pelmora::context
