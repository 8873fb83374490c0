#include "link/TranscriptSink.h"

#include "link/LocalFile.h"

#include <cerrno>
#include <cstring>

namespace pelmora::link {

TranscriptFile::TranscriptFile(const std::string& path) : path_(path) {
    // A device or a FIFO would be fed (or, for a FIFO without a reader, block us).
    if (const std::string problem = OutputProblem(path); !problem.empty()) {
        error_ = "cannot write " + path + ": " + problem;
        return;
    }
    std::string why;
    file_ = OpenPrivateOutput(path, why);
    if (!file_) error_ = "cannot write " + path + ": " + why;
}

TranscriptFile::~TranscriptFile() {
    if (file_) std::fclose(file_);
}

bool TranscriptFile::ok() const {
    std::lock_guard lock(mutex_);
    return error_.empty();
}

std::string TranscriptFile::error() const {
    std::lock_guard lock(mutex_);
    return error_;
}

void TranscriptFile::WriteHeader(const std::string& headerLine) { WriteLine(headerLine); }

void TranscriptFile::Record(const TranscriptEvent& event) { WriteLine(TranscriptLine(event)); }

void TranscriptFile::WriteLine(const std::string& line) {
    std::lock_guard lock(mutex_);
    if (!file_ || !error_.empty()) return;
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
    if (std::fflush(file_) != 0 || std::ferror(file_))
        error_ = "cannot write " + path_ + ": " + std::strerror(errno) + "; the transcript ends early";
}

}  // namespace pelmora::link
