#include <gtest/gtest.h>

#include <set>

#include "context/FailureCause.h"
#include "context/ResultCode.h"
#include "support/PrinterRig.h"

namespace pelmora {
namespace {

using context::OpenFailureCause;
using Kind = link::LinkFailure::Kind;

// Every way a port fails to open names the port and what to do, from the one table.
TEST(FailureCause, EachOpenFailureNamesThePortAndTheRemedy) {
    const struct { link::LinkFailure failure; const char* text; } cases[] = {
        {{Kind::None, "COM1", "", 0}, ""},
        {{Kind::NoSuchDevice, "/dev/ttyUSB0", "", 0},
         "/dev/ttyUSB0 does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports)."},
        {{Kind::NotADevice, "/etc/passwd", "", 0}, "/etc/passwd is not a port a printer can be reached on (`pelmora ports` lists the ports)."},
        {{Kind::PermissionDenied, "/dev/usb/lp0", "lp", 0},
         "Permission denied on /dev/usb/lp0: join the group lp (sudo usermod -aG lp $USER, then log in again)."},
        {{Kind::PermissionDenied, "/dev/usb/lp0", "", 0}, "Permission denied on /dev/usb/lp0 (ask this computer's administrator for access to the port)."},
        {{Kind::InUse, "/dev/ttyUSB0", "minicom (pid 812)", 0},
         "/dev/ttyUSB0 is in use by another program, minicom (pid 812): close it, then try again."},
        {{Kind::InUse, "/dev/ttyUSB0", "", 0}, "/dev/ttyUSB0 is in use by another program: close it, then try again."},
        {{Kind::Refused, "10.0.0.5:9100", "", 0}, "10.0.0.5:9100 refused the connection: nothing listens on that port (check the printer's address and port)."},
        {{Kind::Unreachable, "[fd00::5]:9100", "", 0}, "[fd00::5]:9100 cannot be reached: there is no route to it (check the address and this computer's network connection)."},
        {{Kind::ConnectTimedOut, "10.0.0.5:9100", "", 3000}, "10.0.0.5:9100 did not answer the connection within 3.0 s (check that the printer is on and that the address is right)."},
        {{Kind::UnknownHost, "till-9.shop:9100", "", 0}, "The host name in till-9.shop:9100 is not known (check its spelling, or give the printer's IP address)."},
        {{Kind::PrinterOff, "/dev/ttyS0", "", 0},
         "/dev/ttyS0 opened, but no printer holds DSR up: it is switched off or not connected."},
        {{Kind::System, "/dev/rfcomm0", "Input/output error", 0}, "/dev/rfcomm0 could not be opened: Input/output error."},
        // A port name is shown, never obeyed by the terminal.
        {{Kind::NoSuchDevice, "COM\x1b[2J", "", 0},
         "COM?[2J does not exist: the printer is not plugged in, or the port name is wrong (`pelmora ports` lists the ports)."},
    };
    for (const auto& c : cases) EXPECT_EQ(OpenFailureCause(c.failure), c.text) << c.failure.where;
}

// The places are filled once: an argument that looks like a place stays as it is.
TEST(FailureCause, PlacesAreFilledOnceAndInOrder) {
    EXPECT_EQ(context::FillCause("%1 and %2, %1", {"a%2", "b"}), "a%2 and b, a%2");
    EXPECT_EQ(context::FillCause("100% of %3", {"x"}), "100% of %3");
    std::set<std::string> texts;
    for (const auto& [cause, text] : context::AllCauseTemplates()) {
        EXPECT_TRUE(texts.insert(text).second) << "one text per cause: " << text;
        EXPECT_EQ(std::string(text).back(), '.') << "a whole sentence: " << text;
    }
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(context::Cause::ReplyNamesNoModel) + 1) << "every cause listed";
}

// A fleet report tells a cause from the error above it by the template's fixed words, in
// order, from the first character to the last.
TEST(FailureCause, CauseLinesAreKnownByAllTheirFixedWords) {
    for (const auto& [cause, text] : context::AllCauseTemplates())
        EXPECT_TRUE(context::IsCauseText(context::FillCause(text, {"tcp 10.0.0.5:9100", "4.0"}))) << text;
    for (const char* line : {" No reply came within 2.0 s.", "No reply came within 2.0 s",
                             "No reply came within 2.0 s: the printer may be busy with another client.",
                             "Port open error!"})
        EXPECT_FALSE(context::IsCauseText(line)) << line;
}

// Silence, bytes that form no reply and a closed connection each have their own cause,
// with the time really waited.
TEST(FailureCause, QueryFailuresTellSilenceFromForeignBytes) {
    for (const auto& [fault, says] : {std::pair{sim::Fault::Silent, "No reply came within "},
                                      std::pair{sim::Fault::Unterminated, " bytes came back within "}}) {
        test::PrinterRig rig;
        ASSERT_TRUE(rig.Open());
        rig.printer.faults.perCommand["model"] = fault;
        const auto mark = context::MarkWait(rig.util);
        const std::uint64_t started = rig.Now();
        const int result = rig.util.QueryPrinter(context::QUERY_MODEL);
        ASSERT_NE(result, rc::Ok);
        const std::string cause = context::QueryFailureCause(rig.util, context::QUERY_MODEL, result, mark);
        EXPECT_NE(cause.find(says), std::string::npos) << cause;
        const std::string seconds = cause.substr(cause.find("within ") + 7);
        EXPECT_NEAR(std::stod(seconds), static_cast<double>(rig.Now() - started) / 1000.0, 0.051) << cause;
    }
}

}  // namespace
}  // namespace pelmora
