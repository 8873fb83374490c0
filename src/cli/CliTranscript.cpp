// --transcript: every link event of this run as JSON lines, for support.
#include "cli/CliContext.h"
#include "link/TranscriptPlatform.h"

namespace pelmora::cli {

void CliContext::StartTranscript(const std::vector<std::string>& commandLine) {
    if (transcript.empty()) return;
    auto file = std::make_unique<link::TranscriptFile>(transcript);
    if (!file->ok()) throw UsageError{"--transcript: " + file->error()};
    file->WriteHeader(link::TranscriptHeaderLine("pelmora", PELMORA_VERSION, commandLine));
    if (!file->ok()) throw UsageError{"--transcript: " + file->error()};
    transcriptFile_ = std::move(file);
    recorded_ = std::make_unique<link::TranscriptPlatform>(BasePlatform(), *transcriptFile_);
}

bool CliContext::EndTranscript() {
    if (!transcriptFile_ || transcriptFile_->ok()) return true;
    PrintMessage(err, "pelmora: --transcript: " + transcriptFile_->error());
    return false;
}

}  // namespace pelmora::cli
