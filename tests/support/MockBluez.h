#pragma once
#include <cstdio>
#include <string>
#include <sys/types.h>

namespace pelmora::test {

/// python3-dbusmock's BlueZ on a private bus (tests/support/mock-bluez.py),
/// named in DBUS_SYSTEM_BUS_ADDRESS while it lives. `mode`: "printers" (an
/// adapter with a serial printer, a headset, a low-energy beacon and a device
/// not paired), "no-adapter" or "no-bluez".
class MockBluez {
public:
    explicit MockBluez(const char* mode);
    ~MockBluez();
    MockBluez(const MockBluez&) = delete;
    MockBluez& operator=(const MockBluez&) = delete;

    /// The bus address, or "skip: why" when the mock cannot run here.
    const std::string& address() const { return address_; }
    bool Skipped() const { return address_.rfind("skip:", 0) == 0; }
    /// "False bredr": whether the adapter is discovering, and the transport it was told.
    std::string ScanState();

private:
    std::string Line();

    std::string address_ = "skip: no python3 (scripts/bootstrap installs python3-dbusmock)";
    pid_t pid_ = -1;
    int to_ = -1;
    FILE* from_ = nullptr;
};

}  // namespace pelmora::test
