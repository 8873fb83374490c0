#include "link/SerialLineConfig.h"

#include <climits>

namespace pelmora::link {

std::optional<PortConfigValues> ToPortConfig(const SerialLineState& state) {
    if (state.baudRate == 0 || state.baudRate > INT_MAX) return std::nullopt;  // 0 would hang up the line
    if (state.byteSize < 5 || state.byteSize > 8) return std::nullopt;
    if (state.parity > SP_PARITY_SPACE) return std::nullopt;
    if (state.stopBits != 0 && state.stopBits != 2) return std::nullopt;
    if (state.dsrSensitivity || state.nullStrip || state.abortOnError) return std::nullopt;

    PortConfigValues config;
    config.baudRate = static_cast<int>(state.baudRate);
    config.bits = state.byteSize;
    config.parity = static_cast<sp_parity>(state.parity);  // same numbering: none, odd, even, mark, space
    config.stopBits = state.stopBits == 2 ? 2 : 1;
    config.cts = state.outxCtsFlow ? SP_CTS_FLOW_CONTROL : SP_CTS_IGNORE;
    config.dsr = state.outxDsrFlow ? SP_DSR_FLOW_CONTROL : SP_DSR_IGNORE;
    switch (state.dtrControl) {
    case SerialLineState::Dtr::Disable: config.dtr = SP_DTR_OFF; break;
    case SerialLineState::Dtr::Enable: config.dtr = SP_DTR_ON; break;
    case SerialLineState::Dtr::Handshake: config.dtr = SP_DTR_FLOW_CONTROL; break;
    default: return std::nullopt;
    }
    switch (state.rtsControl) {
    case SerialLineState::Rts::Disable: config.rts = SP_RTS_OFF; break;
    case SerialLineState::Rts::Enable: config.rts = SP_RTS_ON; break;
    case SerialLineState::Rts::Handshake: config.rts = SP_RTS_FLOW_CONTROL; break;
    default: return std::nullopt;  // Toggle has no counterpart here
    }
    config.xonXoff = state.inX && state.outX ? SP_XONXOFF_INOUT
                   : state.inX               ? SP_XONXOFF_IN
                   : state.outX              ? SP_XONXOFF_OUT
                                             : SP_XONXOFF_DISABLED;
    return config;
}

SerialLineState FromPortConfig(const PortConfigValues& config) {
    SerialLineState state;
    state.baudRate = config.baudRate > 0 ? static_cast<std::uint32_t>(config.baudRate) : 0;
    state.byteSize = config.bits >= 5 && config.bits <= 8 ? static_cast<std::uint8_t>(config.bits) : 8;
    state.parity = config.parity >= SP_PARITY_NONE && config.parity <= SP_PARITY_SPACE
                       ? static_cast<std::uint8_t>(config.parity)
                       : 0;
    state.stopBits = config.stopBits == 2 ? 2 : 0;
    state.parityCheck = state.parity != 0;
    state.outxCtsFlow = config.cts == SP_CTS_FLOW_CONTROL;
    state.outxDsrFlow = config.dsr == SP_DSR_FLOW_CONTROL;
    state.dtrControl = config.dtr == SP_DTR_OFF            ? SerialLineState::Dtr::Disable
                     : config.dtr == SP_DTR_FLOW_CONTROL   ? SerialLineState::Dtr::Handshake
                                                           : SerialLineState::Dtr::Enable;
    state.rtsControl = config.rts == SP_RTS_OFF            ? SerialLineState::Rts::Disable
                     : config.rts == SP_RTS_FLOW_CONTROL   ? SerialLineState::Rts::Handshake
                                                           : SerialLineState::Rts::Enable;
    state.inX = config.xonXoff == SP_XONXOFF_IN || config.xonXoff == SP_XONXOFF_INOUT;
    state.outX = config.xonXoff == SP_XONXOFF_OUT || config.xonXoff == SP_XONXOFF_INOUT;
    return state;
}

std::optional<PortConfigValues> PairedRtsCtsFallback(const PortConfigValues& config) {
    if (config.cts != SP_CTS_FLOW_CONTROL || config.rts == SP_RTS_FLOW_CONTROL) return std::nullopt;
    PortConfigValues paired = config;
    paired.rts = SP_RTS_FLOW_CONTROL;
    return paired;
}

}  // namespace pelmora::link
