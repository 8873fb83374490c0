#include "link/TranscriptSink.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pelmora::link {

TranscriptFile::TranscriptFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        error_ = "cannot write " + path + ": " + std::strerror(errno);
        return;
    }
    file_ = ::fdopen(fd, "w");
    if (!file_) {
        error_ = "cannot write " + path + ": " + std::strerror(errno);
        ::close(fd);
    }
}

TranscriptFile::~TranscriptFile() {
    if (file_) std::fclose(file_);
}

void TranscriptFile::WriteHeader(const std::string& headerLine) { WriteLine(headerLine); }

void TranscriptFile::Record(const TranscriptEvent& event) { WriteLine(TranscriptLine(event)); }

void TranscriptFile::WriteLine(const std::string& line) {
    std::lock_guard lock(mutex_);
    if (!file_) return;
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

}  // namespace pelmora::link
