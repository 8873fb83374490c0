#pragma once
#include <string>

namespace pelmora::sim {

/// A pseudo-terminal in raw mode standing in for a printer's serial line or
/// USB printer node: the printer keeps the master, a client opens the slave.
class PtyPort {
public:
    PtyPort() = default;
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    /// False with `error` set when no pseudo-terminal can be had.
    bool Open(std::string& error);
    /// Closes the master: an open slave reads end of line, as when a cable is pulled.
    void Close();
    int master() const { return master_; }
    /// The node a client opens, e.g. /dev/pts/3.
    const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    std::string slavePath_;
};

/// Reads from the master: the count, 0 when nothing is there or no client has
/// the slave open, -1 on an error.
int ReadMaster(int master, unsigned char* buffer, int capacity);

}  // namespace pelmora::sim
