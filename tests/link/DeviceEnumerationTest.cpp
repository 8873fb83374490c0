#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "link/DeviceEnumeration.h"
#include "support/RecordingTrace.h"

namespace pelmora::link {
namespace {

using test::RecordingTrace;

TEST(UsbPrinterLabels, NodesThatOpenAreNumberedInNodeOrderWithoutGaps) {
    RecordingTrace trace;
    const auto printers = LabelUsbPrinters({"/dev/usb/lp10", "/dev/usb/lp2", "/dev/usb/lp0", "/dev/usb/lp1"},
                                           [](const std::string& node) { return node != "/dev/usb/lp1"; }, trace);
    std::string listed;
    for (const auto& printer : printers) listed += printer.label + printer.path + " ";
    EXPECT_EQ(listed, "USB01/dev/usb/lp0 USB02/dev/usb/lp2 USB03/dev/usb/lp10 ");
    EXPECT_EQ(trace.lines, (std::vector<std::string>{
                               "Attempting to open /dev/usb/lp0\n", "Attempting to open /dev/usb/lp1\n",
                               "FAILED to open /dev/usb/lp1\n", "Attempting to open /dev/usb/lp2\n",
                               "Attempting to open /dev/usb/lp10\n"}));
}

// Each pair in both orders: a strict order is what std::sort needs.
TEST(UsbPrinterLabels, NaturalOrderComparesDigitRunsAsNumbers) {
    const std::pair<const char*, const char*> ordered[] = {
        {"lp2", "lp10"}, {"lp1a", "lp1b"}, {"lp01", "lp1"}, {"lp1", "lp01b"}, {"lp1", "lp1x"}, {"ttyS", "ttyS0"},
    };
    for (const auto& [a, b] : ordered) {
        EXPECT_TRUE(NaturalLess(a, b)) << a << " < " << b;
        EXPECT_FALSE(NaturalLess(b, a)) << b << " < " << a;
    }
    EXPECT_FALSE(NaturalLess("lp1", "lp1"));
}

TEST(DeviceEnumerationOnThisMachine, UdevFindsNodesBySubsystemAndName) {
    if (!std::filesystem::exists("/sys/class/mem/null")) GTEST_SKIP() << "no sysfs here";
    EXPECT_EQ(DeviceListProblem(), "") << "libudev is opened at run time; every function it needs resolved";
    EXPECT_EQ(DeviceNodes("mem", "nul*"), std::vector<std::string>{"/dev/null"});
    EXPECT_TRUE(DeviceNodes("mem", "pelmora*").empty());
}

}  // namespace
}  // namespace pelmora::link
