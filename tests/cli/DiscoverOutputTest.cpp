// What a search found, as a person, a script and --printers read it: each
// output is compared whole, so a dropped or changed field shows.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/DiscoverOutput.h"
#include "context/ResultCode.h"
#include "support/TempDir.h"

namespace pelmora::cli {
namespace {

using Id = context::Identification;
const Id kOurs{0, "", "", "MPT-Q700VII", 7, "V1.00 ~\xe9\x1b[2J", 101001};  // a hostile version text
const Id kSilent{rc::NoReply, "Printer model is not matched!", "No reply came within 3 s.", "", 0, "", 0};
const Id kInUse{rc::NotOpen, "Port open error!", "It is in use.", "", 0, "", 0};
const Id kNoise{rc::BadHeader, "Odd.", "", "", 0, "", 0};

context::LocalAnswer Port(std::int32_t type, const char* port, const char* about, std::int32_t baud, const Id& id) {
    return {0, {type, port, about}, {type, port, baud, 8, 0, 0, 0}, id, id.result == rc::NotOpen};
}

// Every kind of row; the two shown only with --all have the longest names.
DiscoveryFindings Everything() {
    DiscoveryFindings f;
    f.tcp = {{{0, "10.0.0.5", 9100, "till-1.shop", kOurs}, {1, "fe80::1", 9101, "", kSilent}}, 4, false};
    f.tcpTotal = 4;
    f.local = {{Port(link::PortUsb, "/dev/usb/lp0", "Korvane USB", 115200, kOurs),  // a USB printer has no speed
                Port(link::PortBluetooth, "/dev/rfcomm0", "", 0, kInUse),
                Port(link::PortSerial, "/dev/serial/by-id/usb-Prolific", "PL2303", 19200, kNoise)},
               3, false};
    f.localSearched = f.bluetoothSearched = true;
    f.bluetooth.devices = {{"00:11:22:33:44:66", "K\xc3\xbc" "che\x07", true, false, true, ""},
                           {"00:11:22:33:44:77", "Lager", false, false, true, "/dev/rfcomm2"},
                           {"00:11:22:33:44:88", "Laden", false, true, false, ""}};
    return f;
}

TEST(DiscoverOutput, TableJsonAndPrintersFileHoldEveryRowAndCount) {
    DiscoveryFindings interrupted = Everything();
    interrupted.tcp.stopped = true;
    interrupted.bluetooth = {{}, "BlueZ does not answer."};
    const auto json = nlohmann::json::parse(R"({"found": [
        {"printer": "tcp 10.0.0.5:9100", "link": "tcp", "address": "10.0.0.5", "port": 9100, "host": "till-1.shop",
         "ModelName": "MPT-Q700VII", "ModelCode": 7, "VersionText": "V1.00 ~\u00e9\u001b[2J", "FirmwareVersion": 101001},
        {"printer": "usb /dev/usb/lp0", "link": "usb", "device": "/dev/usb/lp0", "description": "Korvane USB",
         "ModelName": "MPT-Q700VII", "ModelCode": 7, "VersionText": "V1.00 ~\u00e9\u001b[2J", "FirmwareVersion": 101001}],
      "skipped": [{"printer": "bluetooth /dev/rfcomm0", "link": "bluetooth", "device": "/dev/rfcomm0",
                   "message": "Port open error!\r\nIt is in use."}],
      "tried": 4, "total": 4, "portsTried": 3, "interrupted": false, "bluetooth": [
        {"address": "00:11:22:33:44:66", "name": "K\u00fcche\u0007", "paired": true, "connected": false, "rfcomm": ""},
        {"address": "00:11:22:33:44:77", "name": "Lager", "paired": false, "connected": false, "rfcomm": "/dev/rfcomm2"},
        {"address": "00:11:22:33:44:88", "name": "Laden", "paired": false, "connected": true, "rfcomm": ""}]})");
    auto allJson = json;
    allJson.merge_patch(nlohmann::json::parse(R"({"interrupted": true, "bluetooth": [],
        "other": [{"printer": "tcp [fe80::1]:9101", "link": "tcp", "address": "fe80::1", "port": 9101,
                   "message": "Printer model is not matched!\r\nNo reply came within 3 s."},
                  {"printer": "serial /dev/serial/by-id/usb-Prolific", "link": "serial", "baud": 19200,
                   "device": "/dev/serial/by-id/usb-Prolific", "description": "PL2303", "message": "Odd."}],
        "problems": ["Bluetooth: BlueZ does not answer."]})"));
    const std::string found = "tcp 10.0.0.5:9100\nusb /dev/usb/lp0\n";
    const struct {
        DiscoveryFindings findings;
        bool all;
        std::string table;
        nlohmann::json json;
        std::string file;
    } cases[] = {
        {Everything(), false,
         "tcp 10.0.0.5:9100       MPT-Q700VII  firmware 101001  V1.00 ~??[2J  (till-1.shop)\n"
         "usb /dev/usb/lp0        MPT-Q700VII  firmware 101001  V1.00 ~??[2J\n"
         "bluetooth /dev/rfcomm0  skipped: Port open error! It is in use.\n"
         "bluetooth 00:11:22:33:44:66  K\xc3\xbc" "che?  paired, bound to no serial device (bind one: rfcomm bind N "
         "00:11:22:33:44:66)\nbluetooth 00:11:22:33:44:77  Lager  not paired, bound to /dev/rfcomm2\n"
         "bluetooth 00:11:22:33:44:88  Laden  not paired (pair it: bluetoothctl pair 00:11:22:33:44:88, then rfcomm "
         "bind N 00:11:22:33:44:88)\n"
         "2 printers found; 4 addresses tried; 3 ports tried, 2 answered otherwise or not at all (--all lists them).\n",
         json, "# Printers found by pelmora discover\n" + found},
        {interrupted, true,
         "tcp 10.0.0.5:9100                      MPT-Q700VII  firmware 101001  V1.00 ~??[2J  (till-1.shop)\n"
         "tcp [fe80::1]:9101                     not ours: Printer model is not matched! No reply came within 3 s.\n"
         "usb /dev/usb/lp0                       MPT-Q700VII  firmware 101001  V1.00 ~??[2J\n"
         "bluetooth /dev/rfcomm0                 skipped: Port open error! It is in use.\n"
         "serial /dev/serial/by-id/usb-Prolific  not ours: Odd.\n"
         "Bluetooth: BlueZ does not answer.\n2 printers found; 4 addresses tried; 3 ports tried; interrupted.\n",
         allJson, "# Printers found by pelmora discover (interrupted)\n" + found},
    };
    const test::TempDir dir;
    for (const auto& c : cases) {
        std::ostringstream table;
        PrintDiscoveryTable(table, c.findings, c.all);
        EXPECT_EQ(table.str(), c.table);
        EXPECT_EQ(DiscoveryJson(c.findings, c.all), c.json);
        EXPECT_EQ(WritePrintersFile((dir / "found.printers").string(), c.findings), "");
        EXPECT_EQ(test::ReadFile(dir / "found.printers"), c.file);
    }
}

}  // namespace
}  // namespace pelmora::cli
