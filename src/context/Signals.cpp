#include "context/Signals.h"

#include <algorithm>
#include <csignal>
#include <iterator>

namespace pelmora::context {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction g_previous[std::size(kSignals)] {};
bool g_caught[std::size(kSignals)] {};
std::atomic<bool>* g_stop = nullptr;

void OnSignal(int) { *g_stop = true; }

}  // namespace

void CatchStopSignals(std::atomic<bool>& stop, bool hangUp) {
    g_stop = &stop;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (kSignals[i] == SIGHUP && !hangUp) continue;
        ::sigaction(kSignals[i], &action, &g_previous[i]);
        g_caught[i] = true;
    }
}

void RestoreStopSignals() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (g_caught[i]) ::sigaction(kSignals[i], &g_previous[i], nullptr);
    std::fill(std::begin(g_caught), std::end(g_caught), false);
}

void PrepareStandardStreams() { std::signal(SIGPIPE, SIG_IGN); }

}  // namespace pelmora::context
