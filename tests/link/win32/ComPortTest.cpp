// A COM port of the system (under Wine: a serial port mapped to a
// pseudo-terminal whose other end echoes; scripts/windows-test sets it up and
// names it in PELMORA_TEST_COM). Skipped without one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "link/RealPlatform.h"

namespace pelmora::link {
namespace {

class ComPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* name = std::getenv("PELMORA_TEST_COM");
        if (!name || !*name) GTEST_SKIP() << "no COM port named in PELMORA_TEST_COM";
        name_ = name;
    }
    std::string name_;
    NullTrace quiet_;
    RealPlatform platform_{nullptr, quiet_};
};

TEST_F(ComPortTest, TakesTheLineSettingsAndCarriesBytesUnderItsTimeouts) {
    const auto port = platform_.OpenSerial(name_);
    ASSERT_TRUE(port);
    // A second opener is the driver's to refuse; Wine's pseudo-terminal ports do not.

    ASSERT_TRUE(port->SetLineState(
        {.baudRate = 19200, .parity = 2, .stopBits = 2, .parityCheck = true, .dtrControl = SerialLineState::Dtr::Enable}));
    SerialLineState read;
    ASSERT_TRUE(port->GetLineState(read));
    // Wine's pseudo-terminal ports keep the speed and stop bits, not always the parity.
    EXPECT_EQ(read.baudRate, 19200u);
    EXPECT_EQ(read.stopBits, 2);

    ASSERT_TRUE(port->SetTimeouts(SerialTimeouts{10, 10, 200, 10000, 1000}));
    EXPECT_TRUE(port->Purge());
    EXPECT_TRUE(port->ClearEventMask());

    const std::uint8_t request[] = {0x1D, 0x49, 0x43, 0x00, 0x0A};
    ASSERT_EQ(port->Write(request, 5), 5);
    std::uint8_t echo[16] = {};
    int got = 0;
    for (int i = 0; i < 20 && got < 5; ++i) got += port->Read(echo + got, 16 - got);
    ASSERT_EQ(got, 5);
    EXPECT_EQ(std::string(echo, echo + 5), std::string(request, request + 5));
    EXPECT_EQ(port->Read(echo, 16), 0) << "silence reads as 0 once the time-outs pass";
}

TEST_F(ComPortTest, ANameThatIsNoPortOpensNothing) {
    for (const char* name : {"\\\\.\\COM250", "NUL", "C:\\windows\\win.ini"})
        EXPECT_FALSE(platform_.OpenSerial(name)) << name;
}

}  // namespace
}  // namespace pelmora::link
