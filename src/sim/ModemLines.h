#pragma once

namespace pelmora::sim {

/// The modem lines of a pseudo-terminal, which has none of its own, kept in a
/// small file both ends share: the printer sets DSR and CTS, the host (through
/// a stand-in for the modem ioctls) DTR and RTS. The file holds the TIOCM_*
/// bits as a decimal number. Plain system calls only, so that the stand-in can
/// use these inside a program it is loaded into.

/// False when the file cannot be read; a missing or empty file reads as 0.
bool ReadModemLines(const char* path, int& bits);
/// Sets `set`, then clears `clear`, under a lock; false when the file cannot be written.
bool ChangeModemLines(const char* path, int set, int clear);

}  // namespace pelmora::sim
