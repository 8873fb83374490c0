#pragma once
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "link/TranscriptEvent.h"

namespace pelmora::link {

/// Where the events of one or more links go. Record may be called from
/// several links' threads at once.
class TranscriptSink {
public:
    virtual ~TranscriptSink() = default;
    virtual void Record(const TranscriptEvent& event) = 0;
};

/// A transcript file: the header line, then one line per event, each written
/// through at once so that a crash or a kill keeps everything said before it.
class TranscriptFile final : public TranscriptSink {
public:
    /// Creates or empties `path`, a regular or a new file, and makes it
    /// readable by its owner only (settings such as PIN codes pass the link). Check `ok()`; `error()` says why not. A line
    /// that cannot be written (a full disk) makes `ok()` false from then on.
    explicit TranscriptFile(const std::string& path);
    ~TranscriptFile() override;
    TranscriptFile(const TranscriptFile&) = delete;
    TranscriptFile& operator=(const TranscriptFile&) = delete;

    bool ok() const;
    std::string error() const;
    void WriteHeader(const std::string& headerLine);
    void Record(const TranscriptEvent& event) override;

private:
    void WriteLine(const std::string& line);

    mutable std::mutex mutex_;
    std::FILE* file_ = nullptr;
    std::string path_;
    std::string error_;
};

/// Keeps events in memory, for tests and for whoever wants to look at them.
class TranscriptMemory final : public TranscriptSink {
public:
    void Record(const TranscriptEvent& event) override {
        std::lock_guard lock(mutex_);
        events.push_back(event);
    }
    std::vector<TranscriptEvent> events;

private:
    std::mutex mutex_;
};

}  // namespace pelmora::link
