// The search of ports named on the command line, in-process: a serial or
// Bluetooth port is asked at each speed, fastest first, until a printer
// answers; a USB printer once; a port that will not open at one speed only.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "support/ConfigCli.h"

namespace pelmora {
namespace {

TEST(DiscoverCommand, AsksEachPortAtEachSpeedAndListsWhatAnswered) {
    const struct {
        std::vector<std::string> args;
        const char* model;
        std::uint32_t answersAt;  ///< the one speed it answers at: garbled above, silent below; 0: any
        int opens;
        std::string speeds, out;
    } cases[] = {
        {{"COM1"}, "MPT-Q700VII", 9600, 5, " 115200 57600 38400 19200 9600",
         "serial COM1 baud=9600  MPT-Q700VII  firmware 160902  V1.00 090216\n1 printer found; 1 port tried.\n"},
        // The first answer told stands, not a later one nor the last speed's silence; no speed is known to work.
        {{"/dev/rfcomm0", "--all", "--json"}, "MPT-Z100", 19200, 7, " 115200 57600 38400 19200 9600 4800 2400",
         "{\n  \"found\": [],\n  \"interrupted\": false,\n  \"other\": [\n    {\n      \"device\": \"/dev/rfcomm0\",\n"
         "      \"link\": \"bluetooth\",\n      \"message\": \"Printer model is not matched!\\r\\nThe printer's reply "
         "\\\"`MPT-Z100\\\" names no model.\",\n      \"printer\": \"bluetooth /dev/rfcomm0\"\n    }\n  ],\n  \"portsTried\": 1,\n"
         "  \"skipped\": [],\n  \"total\": 0,\n  \"tried\": 0\n}\n"},
        // Not there at one speed, not there at any: three opens are the link's own tries.
        {{"/dev/ttyS9"}, "MPT-Q700VII", 0, 3, "",
         "serial /dev/ttyS9  skipped: Port open error! /dev/ttyS9 does not exist: the printer is not plugged in, or the "
         "port name is wrong (`pelmora ports` lists the ports).\nNo printer found; 1 port tried.\n"},
        {{"/dev/usb/lp1"}, "MPT-Q700VII", 0, 1, "",
         "usb /dev/usb/lp1  skipped: Port open error! /dev/usb/lp1 does not exist: the printer is not plugged in, or the "
         "port name is wrong (`pelmora ports` lists the ports).\nNo printer found; 1 port tried.\n"},
        // Nothing listens on port 1; the printers file's place becomes a folder during the search.
        {{"/dev/usb/lp0", "127.0.0.1", "--port", "1", "--printers-file", "FILE"}, "MPT-Q700VII", 0, 1, "",
         "usb /dev/usb/lp0  MPT-Q700VII  firmware 160902  V1.00 090216\n1 printer found; 1 address tried; 1 port tried.\n"},
    };
    for (const auto& c : cases) {
        test::ConfigCli cli;
        const std::string file = (cli.dir / "found.printers").string();
        const bool fileTaken = c.args.back() == "FILE";
        cli.printer.identity.modelText = c.model;
        cli.platform.config().serialPorts = {"COM1", "/dev/rfcomm0"};
        cli.platform.lastLineState().baudRate = 0;  // no speed recorded for a USB printer
        std::string speeds;
        cli.platform.config().beforeWrite = [&](int) {
            const std::uint32_t baud = cli.platform.lastLineState().baudRate;
            if (baud && !speeds.ends_with(" " + std::to_string(baud))) speeds += " " + std::to_string(baud);
            const bool wrong = c.answersAt && baud != c.answersAt;
            cli.printer.faults.perCommand["*"] = !wrong ? sim::Fault::None
                                                 : baud > c.answersAt ? sim::Fault::WrongHeader : sim::Fault::Silent;
            if (fileTaken) std::filesystem::create_directory(file);
        };
        std::vector<std::string> args{"discover"};
        for (const std::string& arg : c.args) args.push_back(arg == "FILE" ? file : arg);
        const auto run = cli.RunPelmora(args);
        EXPECT_EQ(std::tuple(run.out, speeds, cli.platform.openAttempts()), std::tuple(c.out, c.speeds, c.opens)) << run.err;
        // What was found is listed; the file that could not be written fails the run.
        const std::string notWritten = "pelmora: the printers file was not written: " + file + ": Is a directory\n";
        EXPECT_EQ(std::tuple(run.status, run.err), fileTaken ? std::tuple(1, notWritten) : std::tuple(0, std::string()));
    }
}

}  // namespace
}  // namespace pelmora
