#include "link/win32/DcbLineState.h"

#include <string>

namespace pelmora::link {

namespace {
DWORD DtrOf(SerialLineState::Dtr dtr) {
    switch (dtr) {
    case SerialLineState::Dtr::Disable: return DTR_CONTROL_DISABLE;
    case SerialLineState::Dtr::Handshake: return DTR_CONTROL_HANDSHAKE;
    case SerialLineState::Dtr::Enable: break;
    }
    return DTR_CONTROL_ENABLE;
}

DWORD RtsOf(SerialLineState::Rts rts) {
    switch (rts) {
    case SerialLineState::Rts::Disable: return RTS_CONTROL_DISABLE;
    case SerialLineState::Rts::Handshake: return RTS_CONTROL_HANDSHAKE;
    case SerialLineState::Rts::Toggle: return RTS_CONTROL_TOGGLE;
    case SerialLineState::Rts::Enable: break;
    }
    return RTS_CONTROL_ENABLE;
}
}  // namespace

DCB ToDcb(const SerialLineState& state, DCB base) {
    base.DCBlength = sizeof base;
    base.fBinary = TRUE;  // the only mode the system supports
    base.BaudRate = state.baudRate;
    base.ByteSize = state.byteSize;
    base.Parity = state.parity;
    base.StopBits = state.stopBits;
    base.fParity = state.parityCheck;
    base.fOutxCtsFlow = state.outxCtsFlow;
    base.fOutxDsrFlow = state.outxDsrFlow;
    base.fDtrControl = DtrOf(state.dtrControl);
    base.fRtsControl = RtsOf(state.rtsControl);
    base.fDsrSensitivity = state.dsrSensitivity;
    base.fOutX = state.outX;
    base.fInX = state.inX;
    base.fNull = state.nullStrip;
    base.fAbortOnError = state.abortOnError;
    return base;
}

SerialLineState FromDcb(const DCB& dcb) {
    SerialLineState state;
    state.baudRate = dcb.BaudRate;
    state.byteSize = dcb.ByteSize;
    state.parity = dcb.Parity;
    state.stopBits = dcb.StopBits;
    state.parityCheck = dcb.fParity;
    state.outxCtsFlow = dcb.fOutxCtsFlow;
    state.outxDsrFlow = dcb.fOutxDsrFlow;
    state.dtrControl = dcb.fDtrControl == DTR_CONTROL_DISABLE     ? SerialLineState::Dtr::Disable
                     : dcb.fDtrControl == DTR_CONTROL_HANDSHAKE   ? SerialLineState::Dtr::Handshake
                                                                  : SerialLineState::Dtr::Enable;
    state.rtsControl = dcb.fRtsControl == RTS_CONTROL_DISABLE     ? SerialLineState::Rts::Disable
                     : dcb.fRtsControl == RTS_CONTROL_HANDSHAKE   ? SerialLineState::Rts::Handshake
                     : dcb.fRtsControl == RTS_CONTROL_TOGGLE      ? SerialLineState::Rts::Toggle
                                                                  : SerialLineState::Rts::Enable;
    state.dsrSensitivity = dcb.fDsrSensitivity;
    state.outX = dcb.fOutX;
    state.inX = dcb.fInX;
    state.nullStrip = dcb.fNull;
    state.abortOnError = dcb.fAbortOnError;
    return state;
}

COMMTIMEOUTS ToCommTimeouts(const SerialTimeouts& timeouts) {
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = timeouts.readInterval;
    t.ReadTotalTimeoutMultiplier = timeouts.readTotalMultiplier;
    t.ReadTotalTimeoutConstant = timeouts.readTotalConstant;
    // The system counts whole milliseconds a byte: rounded up, a write is never cut short.
    t.WriteTotalTimeoutMultiplier = (timeouts.writeMicrosPerByte + 999) / 1000;
    t.WriteTotalTimeoutConstant = timeouts.writeTotalConstant;
    return t;
}

std::string SystemMessage(unsigned long error) {
    char* text = nullptr;
    const DWORD size = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = size && text ? std::string(text, size) : "error " + std::to_string(error);
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

}  // namespace pelmora::link
