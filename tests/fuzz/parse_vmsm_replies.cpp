// Every memory-switch reply decoder over the same bytes: none may read past
// them, and a failed decode leaves its output as it was.
#include "HostilePrinter.h"
#include "context/ResultCode.h"
#include "vmsm/VmsmReplies.h"

using namespace pelmora;
using namespace pelmora::vmsm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t pick = data[0];
    const reply::ByteSpan bytes(data + 1, size - 1);

    reply::IsSettingModeReply(bytes);
    SwitchBits bits{};
    reply::ParseSwitch(bytes, bits);

    PrinterConfig config, untouched;
    const int serial = reply::ParseSerialSetting(bytes, static_cast<std::uint8_t>(pick % 6), config);
    if (serial != rc::Ok) fuzz::Check(config == untouched, "a failed serial decode changed the record");
    std::uint32_t position = 7;
    if (reply::ParseTearOff(bytes, position) != rc::Ok) fuzz::Check(position == 7, "a failed decode set a value");
    std::uint32_t rf = 7;
    if (reply::ParseRfInterface(bytes, rf) != rc::Ok) fuzz::Check(rf == 7, "a failed decode set a value");
    PrinterConfig bt;
    if (reply::ParseBtItem(bytes, static_cast<std::uint8_t>(pick), bt) != rc::Ok)
        fuzz::Check(bt == untouched, "a failed Bluetooth decode changed the record");

    SentinelText start = "s", end = "e";
    if (reply::ParseSentinels(bytes, pick % 4, start, end) == rc::Ok) {
        fuzz::Check(start.size() <= 10 && end.size() <= 10, "a sentinel over 10 bytes");
    } else {
        fuzz::Check(start == "s" && end == "e", "a failed sentinel decode changed the texts");
    }
    return 0;
}
