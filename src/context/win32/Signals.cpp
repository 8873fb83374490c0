#include "context/Signals.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace pelmora::context {

namespace {

std::atomic<bool>* g_stop = nullptr;
std::atomic<bool> g_hangUp{false};
// Windows ends the program once the handler of a closing console returns, and
// at the latest about five seconds after the close: wait for the job's stop.
constexpr DWORD kCloseGraceMs = 4000;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    const bool closing = event == CTRL_CLOSE_EVENT;
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && !(closing && g_hangUp)) return FALSE;
    *g_stop = true;
    if (closing) ::Sleep(kCloseGraceMs);
    return TRUE;
}

}  // namespace

void CatchStopSignals(std::atomic<bool>& stop, bool hangUp) {
    g_stop = &stop;
    g_hangUp = hangUp;
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void RestoreStopSignals() { ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE); }

void PrepareStandardStreams() { ::_setmode(::_fileno(stdout), _O_BINARY); }

}  // namespace pelmora::context
