#include "cli/TerminalProgress.h"

#include <algorithm>
#include <ostream>

namespace pelmora::cli {

namespace {
constexpr int kBarWidth = 30;
}

TerminalProgress::~TerminalProgress() { Finish(); }

void TerminalProgress::SetTitle(const std::string& title) {
    if (!enabled_) return;
    Finish();
    // A new job starts from nothing: the last job's words would describe the wrong work.
    label_.clear();
    position_ = 0;
    stream_ << title << '\n';
}

void TerminalProgress::SetLabel(const std::string& label) {
    label_ = label;
    Draw();
}

void TerminalProgress::SetPosition(int position) {
    position_ = position;
    Draw();
}

void TerminalProgress::Draw() {
    if (!enabled_) return;
    const int shown = std::clamp(position_, 0, 100);
    const int filled = shown * kBarWidth / 100;
    stream_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
            << std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') << "] " << shown << "% " << label_
            << "\x1b[K" << std::flush;
    drawn_ = true;
}

void TerminalProgress::Finish() {
    if (drawn_) stream_ << '\n' << std::flush;
    drawn_ = false;
}

}  // namespace pelmora::cli
