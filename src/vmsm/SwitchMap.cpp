#include "vmsm/SwitchMap.h"

#include "vmsm/VmsmBytes.h"

namespace pelmora::vmsm {

namespace {

using bytes::BitKeep;
using bytes::BitOff;
using bytes::BitOn;

// Bit bN sits at index 8 - N.
constexpr int Index(int bit) { return 8 - bit; }

std::uint8_t Char(bool on) { return on ? BitOn : BitOff; }

// Writes the `width` low bits of `value` into b`high` downwards.
void Put(SwitchBits& bits, int high, int width, std::uint32_t value) {
    for (int i = 0; i < width; ++i)
        bits[Index(high - i)] = Char(((value >> (width - 1 - i)) & 1u) != 0);
}

// Reads b`high` downwards, `width` bits, as a binary number.
std::uint32_t Get(const SwitchBits& bits, int high, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 1) | (bits[Index(high - i)] == BitOn ? 1u : 0u);
    return value;
}

bool On(const SwitchBits& bits, int bit) { return bits[Index(bit)] == BitOn; }

// Legacy printers with an MSR mode below "9" keep the trigger in the low nibble.
bool LowNibbleMsr(const SwitchContext& c) { return c.dialect == Dialect::Legacy && c.msrMode < '9'; }

}  // namespace

bool SkipsLegacySwitch7(std::uint8_t msrMode) { return msrMode == 'P'; }

SwitchBits EncodeSwitch(const PrinterConfig& r, std::uint8_t n, const SwitchContext& c) {
    const auto can = context::CapabilitiesOf(c.firmware);
    SwitchBits bits;
    bits.fill(BitKeep);
    switch (n) {
    case 1:
        bits[Index(5)] = Char(r.Speed == 1);
        bits[Index(4)] = Char(r.CharMode == 1);
        Put(bits, 3, 3, r.Density);
        break;
    case 2:
        Put(bits, 8, 5, r.CodePage);
        if (can.codePageBit5) bits[Index(3)] = Char((r.CodePage >> 5) & 1u);
        break;
    case 5:
        Put(bits, 7, 7, r.TimeOff);
        break;
    case 6:
        Put(bits, 8, 8, r.TimeSave);
        break;
    case 7:
        if (LowNibbleMsr(c))
            Put(bits, 4, 4, r.Msr);
        else
            Put(bits, 8, 4, r.Msr + 1);
        break;
    case 8:
        if (can.sentinels) {
            bits[Index(7)] = Char(r.Sentinel == SentinelDynamic);
            bits[Index(6)] = Char(r.Sentinel == SentinelStatic);
        }
        bits[Index(5)] = Char(r.Service > 0);
        bits[Index(4)] = Char(r.BeepLowBat > 0);
        bits[Index(3)] = Char(r.BeepPaper > 0);
        if (c.dialect == Dialect::Standard && can.threeFonts) {
            bits[Index(2)] = Char(r.FontType == 2);
            bits[Index(1)] = Char(r.FontType == 1);
        } else {
            bits[Index(2)] = Char(r.FontType > 0);
        }
        break;
    case bytes::SwitchRf:
        for (int bit = 8; bit >= 3; --bit) bits[Index(bit)] = BitOff;
        bits[Index(2)] = Char(r.RfInterface == 2);
        bits[Index(1)] = Char(r.RfInterface == 1);
        break;
    default:  // 3, "Q" and the rest: nothing of ours lives there
        break;
    }
    return bits;
}

void DecodeSwitch(PrinterConfig& r, std::uint8_t n, const SwitchBits& bits, const SwitchContext& c) {
    const auto can = context::CapabilitiesOf(c.firmware);
    switch (n) {
    case 1:
        r.Speed = On(bits, 5) ? 1 : 0;
        r.CharMode = On(bits, 4) ? 1 : 0;
        r.Density = Get(bits, 3, 3);
        break;
    case 2:
        r.CodePage = Get(bits, 8, 5);
        if (can.codePageBit5 && On(bits, 3)) r.CodePage += 32;
        break;
    case 5:
        r.TimeOff = Get(bits, 7, 7);
        break;
    case 6:
        r.TimeSave = Get(bits, 8, 8);
        break;
    case 7:
        if (LowNibbleMsr(c)) {
            r.Msr = Get(bits, 4, 4);
        } else if (const std::uint32_t trigger = Get(bits, 8, 4); trigger > 0) {
            // The printer stores the trigger plus one; 0 would wrap to 2^32-1.
            r.Msr = trigger - 1;
        }
        break;
    case 8:
        if (c.dialect == Dialect::Standard && can.sentinels)
            r.Sentinel = 2 * Get(bits, 7, 1) + Get(bits, 6, 1);
        r.Service = Get(bits, 5, 1);
        r.BeepLowBat = Get(bits, 4, 1);
        r.BeepPaper = Get(bits, 3, 1);
        r.FontType = c.dialect == Dialect::Standard ? Get(bits, 2, 2) : Get(bits, 2, 1);
        break;
    case bytes::SwitchRf:
        r.RfInterface = bits[Index(2)] != BitOff ? 2 : bits[Index(1)] != BitOff ? 1 : 0;
        break;
    default:
        break;
    }
}

std::array<std::uint8_t, 8> LegacySwitchRecord(std::uint8_t n, const SwitchBits& bits) {
    std::array<std::uint8_t, 8> record{};
    record[0] = bits[0] != BitKeep ? bits[0] : n;
    for (int i = 1; i < 8; ++i) record[i] = bits[i];
    return record;
}

}  // namespace pelmora::vmsm
