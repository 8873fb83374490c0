#pragma once
#include <iosfwd>
#include <string>

#include "context/JobRunner.h"

namespace pelmora::cli {

/// A one-line progress bar on a terminal; silent when the stream is not one,
/// so scripts get clean output.
class TerminalProgress final : public context::ProgressView {
public:
    TerminalProgress(std::ostream& stream, bool enabled) : stream_(stream), enabled_(enabled) {}
    ~TerminalProgress() override;
    void SetTitle(const std::string& title) override;
    void SetLabel(const std::string& label) override;
    void SetPosition(int position) override;
    /// Ends the line so that messages start on their own.
    void Finish();

private:
    void Draw();

    std::ostream& stream_;
    bool enabled_;
    bool drawn_ = false;
    std::string label_;
    int position_ = 0;
};

}  // namespace pelmora::cli
