#include "link/win32/UsbPrintChannel.h"

#include <windows.h>

#include "link/win32/DcbLineState.h"

namespace pelmora::link {

std::unique_ptr<UsbPrintChannel> UsbPrintChannel::Open(const std::string& path, TraceSink& trace) {
    const HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        Tracef(trace, "Cannot open %s: %s", path.c_str(), SystemMessage(::GetLastError()).c_str());
        return nullptr;
    }
    if (::GetFileType(handle) == FILE_TYPE_DISK) {
        Tracef(trace, "%s is not a device", path.c_str());
        ::CloseHandle(handle);
        return nullptr;
    }
    const HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!event) {
        ::CloseHandle(handle);
        return nullptr;
    }
    return std::unique_ptr<UsbPrintChannel>(new UsbPrintChannel(handle, event));
}

UsbPrintChannel::~UsbPrintChannel() {
    ::CloseHandle(handle_);
    ::CloseHandle(event_);
}

int UsbPrintChannel::Transfer(bool write, std::uint8_t* data, int count, std::uint32_t ms) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event_;
    ::ResetEvent(event_);
    DWORD moved = 0;
    const BOOL done = write ? ::WriteFile(handle_, data, static_cast<DWORD>(count), &moved, &overlapped)
                            : ::ReadFile(handle_, data, static_cast<DWORD>(count), &moved, &overlapped);
    if (done) return static_cast<int>(moved);
    if (::GetLastError() != ERROR_IO_PENDING) return -1;
    if (::WaitForSingleObject(event_, ms) != WAIT_OBJECT_0) ::CancelIo(handle_);
    // Waits for the cancel to finish, so the buffer is ours again; a cancelled transfer keeps its count.
    if (!::GetOverlappedResult(handle_, &overlapped, &moved, TRUE) && ::GetLastError() != ERROR_OPERATION_ABORTED)
        return moved > 0 ? static_cast<int>(moved) : -1;
    return static_cast<int>(moved);
}

int UsbPrintChannel::Write(const std::uint8_t* data, int count) {
    int written = 0;
    while (written < count) {
        const int put = Transfer(true, const_cast<std::uint8_t*>(data) + written, count - written, kWriteStallMs);
        if (put < 0) return written > 0 ? written : -1;
        if (put == 0) break;  // nothing taken within the stall bound
        written += put;
    }
    return written;
}

int UsbPrintChannel::Read(std::uint8_t* buffer, int capacity) {
    if (capacity <= 0) return 0;
    return Transfer(false, buffer, capacity, kReadWaitMs);
}

}  // namespace pelmora::link
