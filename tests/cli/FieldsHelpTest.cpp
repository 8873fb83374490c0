// `config set --help` lists the fields from the record's field table.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/ConfigEdits.h"

namespace pelmora::cli {
namespace {

TEST(FieldsHelp, EveryFieldWithItsValuesInShortLines) {
    const std::string help = FieldsHelp();
    for (const char* part : {"Fields: Density 0..7, Speed 0..1, CodePage (the firmware's list),",
                             "BeepPaper, BeepLowBat, CharMode 0..1", "TimeOff 0..90", "CuttingPosition 0..640",
                             "Baudrate 2400|4800|9600|19200|38400|57600|115200", "Flowcontrol 1|2",
                             "StartSentinel[1..3]", "BtKeep 0..1", "RfInterface 0..2", "BtPinCode (12)",
                             "BtDeviceName (30)."})
        EXPECT_NE(help.find(part), std::string::npos) << part << "\n" << help;
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 100u) << line;
}

}  // namespace
}  // namespace pelmora::cli
