// The printers file, the summary of several printers and the name of saved settings: pure pieces.
#include <gtest/gtest.h>

#include <tuple>

#include "cli/CliContext.h"
#include "cli/FleetReport.h"
#include "cli/KeepSettingsUpdate.h"
#include "cli/PrinterList.h"

namespace pelmora::cli {
namespace {

using Kind = PrinterAddress::Kind;

TEST(PrinterList, LinesCommentsAndBlanks) {
    const std::string text =
        "# shop 12\n"
        "tcp 10.0.0.5:9100   # till 1\n"
        "\n"
        "  serial\t/dev/ttyUSB0\r\n"
        "serial /dev/ttyUSB1  baud=9600\n"
        "bluetooth /dev/rfcomm0 baud=19200\n"
        "usb /dev/usb/lp#0\n"  // a '#' inside a word is not a comment
        "tcp 10.0.0.6";
    const std::vector<PrinterAddress> expected{{Kind::Tcp, "10.0.0.5:9100"},
                                               {Kind::Serial, "/dev/ttyUSB0"},
                                               {Kind::Serial, "/dev/ttyUSB1", 9600},
                                               {Kind::Bluetooth, "/dev/rfcomm0", 19200},
                                               {Kind::Usb, "/dev/usb/lp#0"},
                                               {Kind::Tcp, "10.0.0.6"}};
    EXPECT_EQ(ParsePrinterList(text, "f"), expected);
}

TEST(PrinterList, BadFilesAreRefusedNamingTheLine) {
    struct Case { std::string text; const char* message; };
    for (const Case& c : {
             Case{"tcp 10.0.0.5\nprinter 10.0.0.6\n", "f:2: a line is KIND VALUE"},
             Case{"\n\nserial\n", "f:3: 'serial' without a value"},
             Case{"serial /dev/ttyS0 baud=9601\n", "f:1: baud= must be one of 2400, "},
             Case{"serial /dev/ttyS0 baud=fast\n", "f:1: baud= must be one of"},
             Case{"# nothing but comments\n\n", "f: names no printer"},
             Case{std::string("tcp 10.0.0.5\0x\n", 15), "f:1: the line holds a NUL byte"},
         }) {
        try {
            ParsePrinterList(c.text, "f");
            ADD_FAILURE() << c.text;
        } catch (const UsageError& e) {
            EXPECT_EQ(e.message.rfind(c.message, 0), 0u) << e.message;
        }
    }
}

TEST(PrinterList, APrinterNamedTwiceInAnySpellingIsRefused) {
    const PortResolver resolve = [](const std::string& name) { return name == "COM1" ? "/dev/ttyS0" : name; };
    EXPECT_NO_THROW(RefuseRepeatedPrinters(
        {{Kind::Tcp, "10.0.0.5"}, {Kind::Usb, "10.0.0.5"}, {Kind::Tcp, "10.0.0.5:9101"}, {Kind::Serial, "COM2"}},
        resolve));
    const std::vector<std::vector<PrinterAddress>> twice = {
        {{Kind::Tcp, "10.0.0.5"}, {Kind::Serial, "COM1"}, {Kind::Tcp, "10.0.0.5"}},
        {{Kind::Tcp, "127.0.0.1:9100"}, {Kind::Tcp, "127.0.0.1"}},
        {{Kind::Serial, "COM1"}, {Kind::Serial, "/dev/ttyS0"}},
        {{Kind::Bluetooth, "/dev/ttyS0"}, {Kind::Serial, "COM1"}},
    };
    for (const auto& printers : twice)
        EXPECT_THROW(RefuseRepeatedPrinters(printers, resolve), UsageError) << Describe(printers.back());
}

TEST(PrinterList, CommandsToTypeAreQuotedForTheShell) {
    EXPECT_EQ(AsOption({Kind::Tcp, "10.0.0.5:9100"}), "--tcp 10.0.0.5:9100");
    EXPECT_EQ(AsOption({Kind::Serial, "/dev/ttyS0", 9600}), "--serial /dev/ttyS0 --baud 9600");
    EXPECT_EQ(AsOption({Kind::Serial, "/dev/serial/by-id/usb-X Y"}), "--serial '/dev/serial/by-id/usb-X Y'");
    EXPECT_EQ(ShellWord("it's"), "'it'\\''s'");
    EXPECT_EQ(ShellWord(""), "''");
}

PrinterOutcome Outcome(int status, std::string err = {}, std::string out = {}) {
    return {"tcp 10.0.0." + std::to_string(status), status, std::move(out), std::move(err)};
}

TEST(FleetReport, ExitStatusIsZeroOnlyWhenEveryPrinterSucceeded) {
    struct Case { std::vector<int> statuses; int expected; };
    for (const Case& c : {Case{{0, 0, 0}, 0}, Case{{0, 1, 0}, 1}, Case{{2, 0}, 2}, Case{{3, 0}, 3},
                          Case{{3, 2, 0}, 2}, Case{{2, 1, 3}, 1}, Case{{0, 134}, 1}}) {
        std::vector<PrinterOutcome> outcomes;
        for (int s : c.statuses) outcomes.push_back(Outcome(s));
        EXPECT_EQ(FleetStatus(outcomes), c.expected) << ::testing::PrintToString(c.statuses);
    }
}

TEST(FleetReport, TableAlignsAndJoinsMessageLines) {
    const std::vector<PrinterOutcome> outcomes{
        {"tcp 10.0.0.5", 0, "", ""},
        {"serial /dev/ttyUSB0", 1, "", "Failed to save VMSM configuration!\nPlease check your printer state.\n"},
        {"usb /dev/usb/lp0", 2, "", "pelmora: CodePage 99 is not in this firmware's list\n"}};
    EXPECT_EQ(SummaryTable(outcomes, false),
              "PRINTER              RESULT   MESSAGE\n"
              "tcp 10.0.0.5         ok\n"
              "serial /dev/ttyUSB0  failed   Failed to save VMSM configuration!; Please check your printer state.\n"
              "usb /dev/usb/lp0     refused  CodePage 99 is not in this firmware's list\n");
    EXPECT_EQ(ResultWord(3, false), "not stored");  // "would change" for a diff: ConfigProfile's fleet diff
}

TEST(FleetReport, JsonEmbedsTheCommandsJsonOnlyWhenItPrintedJson) {
    const std::vector<PrinterOutcome> outcomes{Outcome(0, "", "{\"ModelCode\": 703}\n"),
                                               Outcome(1, "Port open error!\n10.0.0.5:9100 refused the connection: "
                                                          "nothing listens on that port (check the printer's address and port).\n", ""),
                                               Outcome(2, "pelmora: TimeOff=91 is out of range (0 to 90)\n", "")};
    auto json = SummaryJson(outcomes, false, true);
    EXPECT_EQ(json[0]["output"]["ModelCode"], 703);
    EXPECT_FALSE(json[0].contains("error"));
    EXPECT_EQ(json[1]["result"], "failed");
    EXPECT_EQ(json[1]["error"], "Port open error!");
    EXPECT_EQ(json[1]["cause"], "10.0.0.5:9100 refused the connection: nothing listens on that port (check the printer's address and port).");
    EXPECT_TRUE(json[1]["output"].is_null()) << "`.output.Field` must give null in jq, not an error";
    EXPECT_EQ(json[2]["error"], "TimeOff=91 is out of range (0 to 90)") << "a refusal has its error too";
    EXPECT_TRUE(json[2]["cause"].is_null());
    // `nv list` prints codes such as "10": text, not the number ten.
    json = SummaryJson({Outcome(0, "", "10\n")}, false, false);
    EXPECT_EQ(json[0]["output"], "10\n");
    EXPECT_TRUE(SummaryJson({Outcome(0)}, false, false)[0]["output"].is_null()) << "no codes: no output, not \"\"";
}

TEST(KeepSettings, SavedFileNameHoldsTheDateAndASafeVersion) {
    std::tm when{};
    std::tie(when.tm_year, when.tm_mon, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec) =
        std::tuple(126, 11, 7, 5, 4, 3);
    EXPECT_EQ(SavedSettingsName(when, "V1.00 090216"), "settings-20261207-050403-V1.00_090216.json");
    EXPECT_EQ(SavedSettingsName(when, "../x/y"), "settings-20261207-050403-.._x_y.json");
    EXPECT_EQ(SavedSettingsName(when, ""), "settings-20261207-050403.json");
}

}  // namespace
}  // namespace pelmora::cli
