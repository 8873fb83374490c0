// Windows has no pseudo-terminals: pelmora-sim serves TCP only there.
#include "sim/PtyPort.h"
#include "sim/SimServer.h"

namespace pelmora::sim {

PtyPort::~PtyPort() = default;

bool PtyPort::Open(std::string& error) {
    error = "--pty needs a pseudo-terminal, which Windows has not; serve on TCP with --listen";
    return false;
}

void PtyPort::Close() {}

int ReadMaster(int, unsigned char*, int) { return -1; }

bool SimServer::OpenPty(std::string& error) { return pty_.Open(error); }

void SimServer::SetDsr(bool) const {}

void SimServer::RunPty(const std::atomic<bool>&) {}

}  // namespace pelmora::sim
