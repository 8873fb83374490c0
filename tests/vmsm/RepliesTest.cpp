// Reply parsing: every header check, the decodings, and the cases that must not corrupt the record.
#include <gtest/gtest.h>

#include "VmsmRig.h"
#include "context/ResultCode.h"
#include "vmsm/VmsmReplies.h"

namespace pelmora::vmsm::reply {
namespace {

using test::H;

TEST(Replies, Switch) {
    struct Case {
        const char* reply;
        int code;
    };
    const Case cases[] = {
        {"37 21 30 31 30 31 30 31 30 31 00", rc::Ok},
        {"37 21 30 31 30 31 30 31 30 31", rc::NoReply},           // 10 bytes
        {"37 21 30 31 30 31 30 31 30 31 00 00", rc::NoReply},     // 12 bytes
        {"", rc::NoReply},
        {"38 21 30 31 30 31 30 31 30 31 00", rc::BadHeader},
        {"37 22 30 31 30 31 30 31 30 31 00", rc::BadHeader},
        {"37 21 30 31 30 31 30 31 30 31 31", rc::BadHeader},      // last byte not 00
        {"37 21 30 31 35 31 30 31 30 31 00", rc::BadHeader},      // "5" is no bit
    };
    for (const Case& k : cases) {
        SwitchBits bits{};
        EXPECT_EQ(ParseSwitch(H(k.reply), bits), k.code) << k.reply;
        if (k.code == rc::Ok) {
            EXPECT_EQ(std::string(bits.begin(), bits.end()), "01010101");
        }
    }
}

TEST(Replies, SerialSettings) {
    struct Case {
        std::uint8_t k;
        const char* reply;
        int code;
        std::uint32_t PrinterConfig::*field;
        std::uint32_t value;
    };
    const Case cases[] = {
        {1, "37 33 31 1F 31 31 35 32 30 30 00", rc::Ok, &PrinterConfig::Baudrate, 115200},
        {1, "37 33 31 1F 39 36 30 30 00", rc::Ok, &PrinterConfig::Baudrate, 9600},
        {2, "37 33 32 1F 32 00", rc::Ok, &PrinterConfig::Parity, 2},
        {3, "37 33 33 1F 31 00", rc::Ok, &PrinterConfig::Flowcontrol, 1},
        {4, "37 33 34 1F 37 00", rc::Ok, &PrinterConfig::Databit, 7},
        {2, "", rc::BadHeader, nullptr, 0},                                  // nothing came
        {2, "37 33 33 1F 32 00", rc::BadHeader, nullptr, 0},                 // answer for another setting
        {2, "37 33 32 20 32 00", rc::BadHeader, nullptr, 0},
        {2, "37 33 32 1F 00", rc::BadHeader, nullptr, 0},                    // no value: would wrap
        {2, "37 33 32 1F 41 00", rc::BadHeader, nullptr, 0},                 // not a digit
        {1, "37 33 31 1F 31 31 35 32 30 30 30 30", rc::NoReply, nullptr, 0}, // twelve bytes, no end
        {1, "37 33 31 1F 31", rc::NoReply, nullptr, 0},
    };
    for (const Case& k : cases) {
        PrinterConfig r, before;
        EXPECT_EQ(ParseSerialSetting(H(k.reply), k.k, r), k.code) << k.reply;
        if (k.field) {
            EXPECT_EQ(r.*k.field, k.value) << k.reply;
        } else {
            EXPECT_EQ(r, before) << "a failed parse stores nothing: " << k.reply;
        }
    }
}

TEST(Replies, TearOffValueBytesMayBeNul) {
    std::uint32_t position = 7;
    EXPECT_EQ(ParseTearOff(H("37 35 30 1F 00 01 00"), position), rc::Ok);
    EXPECT_EQ(position, 256u);
    EXPECT_EQ(ParseTearOff(H("37 35 30 1F 80 02 00"), position), rc::Ok);
    EXPECT_EQ(position, 640u);
    position = 7;
    EXPECT_EQ(ParseTearOff(H(""), position), rc::BadHeader);
    EXPECT_EQ(ParseTearOff(H("37 35 31 1F 00 01 00"), position), rc::BadHeader);
    EXPECT_EQ(ParseTearOff(H("37 35 30 1F 00 00"), position), rc::NoReply) << "the 00 ending here is a value byte";
    EXPECT_EQ(position, 7u);
}

TEST(Replies, RfInterfaceSkipsNoiseAndNeedsItsTwoBits) {
    struct Case {
        const char* arrived;
        int code;
        std::uint32_t rf;
    };
    const Case cases[] = {
        {"37 21 30 30 30 30 30 30 31 30 00", rc::Ok, 2},
        {"37 21 30 30 30 30 30 30 30 31 00", rc::Ok, 1},
        {"37 21 30 30 30 30 30 30 30 30 00", rc::Ok, 0},
        {"FF 00 37 21 30 30 30 30 30 30 30 31 00", rc::Ok, 1},
        {"37 21 30 30 30 30 30 30 00", rc::RfNoData, 9},
        {"37 21 30 30 30 30 30 30 31", rc::RfNoData, 9},
        {"", rc::RfNoData, 9},
        {"36 21 30 30 30 30 30 30 31 30 00", rc::RfNoData, 9},
    };
    for (const Case& k : cases) {
        std::uint32_t rf = 9;
        EXPECT_EQ(ParseRfInterface(H(k.arrived), rf), k.code) << k.arrived;
        EXPECT_EQ(rf, k.rf) << k.arrived;
    }
}

TEST(Replies, BluetoothItems) {
    PrinterConfig r;
    EXPECT_EQ(ParseBtItem(H("37 42 63 33 00"), 'c', r), rc::Ok);
    EXPECT_EQ(r.BtConnMode, 2u);
    EXPECT_EQ(ParseBtItem(H("37 42 73 31 00"), 's', r), rc::Ok);
    EXPECT_EQ(r.BtSecurity, 1u);
    EXPECT_EQ(ParseBtItem(H("37 42 64 4D 50 54 00"), 'd', r), rc::Ok);
    EXPECT_EQ(r.BtDeviceName, "MPT");
    EXPECT_EQ(ParseBtItem(H("37 42 6B 00"), 'k', r), rc::Ok);
    EXPECT_EQ(r.BtPinCode, "");

    const PrinterConfig before = r;
    EXPECT_EQ(ParseBtItem(H("37 43 63 33 00"), 'c', r), rc::NoReply);
    EXPECT_EQ(ParseBtItem(H(""), 'c', r), rc::NoReply);
    EXPECT_EQ(ParseBtItem(H("37 42 78 31 00"), 'x', r), rc::BadHeader) << "unknown item letter";
    EXPECT_EQ(ParseBtItem(H("37 42 64 31 00"), 'c', r), rc::BadHeader) << "answer for another item";
    EXPECT_EQ(ParseBtItem(H("37 42 63 00"), 'c', r), rc::BadHeader) << "no digit: the mode would wrap";
    EXPECT_EQ(ParseBtItem(H("37 42 63 30 00"), 'c', r), rc::BadHeader);
    EXPECT_EQ(ParseBtItem(H("37 42 73 53 00"), 's', r), rc::BadHeader);
    EXPECT_EQ(r, before);
}

TEST(Replies, Sentinels) {
    struct Case {
        const char* arrived;
        int track;
        bool accepted;
        const char* start;
        const char* end;
    };
    const Case cases[] = {
        {"37 81 31 25 1F 3F 00", 1, true, "%", "?"},
        {"AA BB 37 81 32 3B 1F 3F 00", 2, true, ";", "?"},
        {"37 81 33 41 42 00", 3, true, "AB", ""},
        {"37 81 31 1F 3F 1F 21 00", 1, true, "", "?\x1F!"},
        {"37 81 32 25 1F 3F 00", 1, false, "old", "old"},   // another track
        {"37 81 31 00", 1, false, "old", "old"},            // four bytes
        {"", 1, false, "old", "old"},
        {"37 81 31 41 41 41 41 41 41 41 41 41 41 41 1F 00", 1, false, "old", "old"},  // 11 bytes
        {"37 81 31 41 41 41 41 41 41 41 41 41 41 1F 00", 1, true, "AAAAAAAAAA", ""},
    };
    for (const Case& k : cases) {
        std::string start = "old", end = "old";
        EXPECT_EQ(ParseSentinels(H(k.arrived), k.track, start, end), k.accepted) << k.arrived;
        EXPECT_EQ(start, k.start) << k.arrived;
        EXPECT_EQ(end, k.end) << k.arrived;
    }
}

TEST(Replies, SettingMode) {
    EXPECT_TRUE(IsSettingModeReply(H("37 20 00")));
    EXPECT_FALSE(IsSettingModeReply(H("37 20 00 00")));
    EXPECT_FALSE(IsSettingModeReply(H("37 21 00")));
}

}  // namespace
}  // namespace pelmora::vmsm::reply
