#pragma once
#include <optional>

#include <libserialport.h>

#include "link/Platform.h"

namespace pelmora::link {

/// The members of libserialport's port configuration, as plain values.
struct PortConfigValues {
    int baudRate = 0;
    int bits = 8;
    sp_parity parity = SP_PARITY_NONE;
    int stopBits = 1;
    sp_rts rts = SP_RTS_OFF;
    sp_cts cts = SP_CTS_IGNORE;
    sp_dtr dtr = SP_DTR_OFF;
    sp_dsr dsr = SP_DSR_IGNORE;
    sp_xonxoff xonXoff = SP_XONXOFF_DISABLED;

    bool operator==(const PortConfigValues&) const = default;
};

/// The configuration that gives a line state; nothing when this system has no
/// counterpart for something the state asks for (one and a half stop bits, RTS
/// toggling, DSR sensitivity, null stripping, abort on error) or a value is out
/// of range. The parity-checking switch follows the parity here and is not a
/// setting of its own.
std::optional<PortConfigValues> ToPortConfig(const SerialLineState& state);

/// The line state a configuration stands for. Members the library cannot
/// report (a parity or stop-bit setting it does not know) read as none / one.
SerialLineState FromPortConfig(const PortConfigValues& config);

/// This system's termios has one switch for RTS/CTS flow control, so CTS
/// output flow alone is refused. The nearest it offers is both: CTS still stops
/// our output, and RTS follows our input buffer instead of the fixed level
/// asked for. Nothing when `config` does not ask for CTS flow alone.
std::optional<PortConfigValues> PairedRtsCtsFallback(const PortConfigValues& config);

}  // namespace pelmora::link
