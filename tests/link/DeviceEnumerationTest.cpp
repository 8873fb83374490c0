#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "link/DeviceEnumeration.h"

namespace pelmora::link {
namespace {

class RecordingTrace final : public TraceSink {
public:
    bool Enabled() const override { return true; }
    void Line(std::string_view text) override { lines.emplace_back(text); }
    std::vector<std::string> lines;
};

TEST(UsbPrinterLabels, NodesThatOpenAreNumberedInNodeOrderWithoutGaps) {
    RecordingTrace trace;
    const std::set<std::string> failing = {"/dev/usb/lp1"};
    const auto printers = LabelUsbPrinters({"/dev/usb/lp10", "/dev/usb/lp2", "/dev/usb/lp0", "/dev/usb/lp1"},
                                           [&](const std::string& node) { return !failing.count(node); }, trace);
    ASSERT_EQ(printers.size(), 3u);
    EXPECT_EQ(printers[0].label, "USB01");
    EXPECT_EQ(printers[0].path, "/dev/usb/lp0");
    EXPECT_EQ(printers[1].label, "USB02");
    EXPECT_EQ(printers[1].path, "/dev/usb/lp2");
    EXPECT_EQ(printers[2].label, "USB03");
    EXPECT_EQ(printers[2].path, "/dev/usb/lp10");
    EXPECT_EQ(trace.lines, (std::vector<std::string>{
                               "Attempting to open /dev/usb/lp0\n",
                               "Attempting to open /dev/usb/lp1\n",
                               "FAILED to open /dev/usb/lp1\n",
                               "Attempting to open /dev/usb/lp2\n",
                               "Attempting to open /dev/usb/lp10\n",
                           }));
}

TEST(UsbPrinterLabels, LabelIsTwoDigitsAtLeast) {
    EXPECT_EQ(UsbLabel(1), "USB01");
    EXPECT_EQ(UsbLabel(12), "USB12");
    EXPECT_EQ(UsbLabel(100), "USB100");
}

TEST(NaturalOrder, DigitRunsCompareAsNumbers) {
    const std::vector<std::string> sorted = {"/dev/rfcomm0", "/dev/ttyACM0", "/dev/ttyS2", "/dev/ttyS10",
                                             "/dev/ttyS10a", "/dev/ttyUSB0", "/dev/ttyUSB1"};
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        EXPECT_FALSE(NaturalLess(sorted[i], sorted[i])) << sorted[i];
        for (std::size_t j = i + 1; j < sorted.size(); ++j) {
            EXPECT_TRUE(NaturalLess(sorted[i], sorted[j])) << sorted[i] << " < " << sorted[j];
            EXPECT_FALSE(NaturalLess(sorted[j], sorted[i])) << sorted[j] << " < " << sorted[i];
        }
    }
}

// Whatever this machine has (often nothing at all): no crash, and a listing
// in the shape the port list relies on.
TEST(DeviceEnumerationOnThisMachine, ListsWithoutFailing) {
    NullTrace trace;
    const auto printers = ListUsbPrinters(trace);
    for (std::size_t i = 0; i < printers.size(); ++i) EXPECT_EQ(printers[i].label, UsbLabel(int(i) + 1));

    const auto ports = ListSerialPorts(trace);
    for (const auto& port : ports) EXPECT_EQ(port.path.rfind("/dev/", 0), 0u) << port.path;
    EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end(),
                               [](const SerialPortInfo& a, const SerialPortInfo& b) { return NaturalLess(a.path, b.path); }));
}

}  // namespace
}  // namespace pelmora::link
