#include "link/win32/ComPort.h"

#include <windows.h>

#include <climits>

#include "link/win32/DcbLineState.h"

namespace pelmora::link {

std::unique_ptr<ComPort> ComPort::Open(const std::string& name, TraceSink& trace) {
    // No sharing: a second opener gets ERROR_ACCESS_DENIED, so two programs never share a printer.
    const HANDLE handle = ::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        Tracef(trace, "Cannot open %s: %s", name.c_str(), SystemMessage(error).c_str());
        return nullptr;
    }
    // A file or a pipe would open as well; only a communications device answers this.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (::GetFileType(handle) != FILE_TYPE_CHAR || !::GetCommState(handle, &dcb)) {
        Tracef(trace, "%s is not a serial port", name.c_str());
        ::CloseHandle(handle);
        return nullptr;
    }
    return std::unique_ptr<ComPort>(new ComPort(handle, trace));
}

ComPort::~ComPort() {
    ::CloseHandle(handle_);
}

bool ComPort::Check(bool ok, const char* call) {
    if (!ok) Tracef(trace_, "%s failed: %s", call, SystemMessage(::GetLastError()).c_str());
    return ok;
}

int ComPort::Write(const std::uint8_t* data, int count) {
    if (count <= 0) return 0;
    DWORD written = 0;
    // A write time-out is a short write, not an error: the link counts what went.
    if (!::WriteFile(handle_, data, static_cast<DWORD>(count), &written, nullptr) && written == 0) {
        Check(false, "WriteFile");
        return -1;
    }
    return static_cast<int>(written);
}

int ComPort::Read(std::uint8_t* buffer, int capacity) {
    if (capacity <= 0) return 0;
    DWORD got = 0;
    if (!::ReadFile(handle_, buffer, static_cast<DWORD>(capacity), &got, nullptr)) {
        Check(false, "ReadFile");
        return got > 0 ? static_cast<int>(got) : -1;
    }
    return static_cast<int>(got);
}

bool ComPort::GetLineState(SerialLineState& state) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!Check(::GetCommState(handle_, &dcb), "GetCommState")) return false;
    state = FromDcb(dcb);
    return true;
}

bool ComPort::SetLineState(const SerialLineState& state) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!Check(::GetCommState(handle_, &dcb), "GetCommState")) return false;
    DCB wanted = ToDcb(state, dcb);
    return Check(::SetCommState(handle_, &wanted), "SetCommState");
}

bool ComPort::SetTimeouts(const SerialTimeouts& timeouts) {
    COMMTIMEOUTS t = ToCommTimeouts(timeouts);
    return Check(::SetCommTimeouts(handle_, &t), "SetCommTimeouts");
}

bool ComPort::Purge() {
    return Check(::PurgeComm(handle_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR), "PurgeComm");
}

bool ComPort::GetModemStatus(bool& dsrOn) {
    DWORD status = 0;
    if (!Check(::GetCommModemStatus(handle_, &status), "GetCommModemStatus")) return false;
    dsrOn = (status & MS_DSR_ON) != 0;
    return true;
}

bool ComPort::ClearEventMask() {
    return Check(::SetCommMask(handle_, 0), "SetCommMask");
}

}  // namespace pelmora::link
