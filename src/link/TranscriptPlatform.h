#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "link/Platform.h"
#include "link/TranscriptSink.h"

namespace pelmora::link {

/// A platform that records what passes through the channels it opens: every
/// open, close, write, read and time-out, with the time on the inner
/// platform's clock since this object was made. One per printer link, so
/// several links recorded at once stay apart by their `link` number.
class TranscriptPlatform final : public Platform {
public:
    TranscriptPlatform(Platform& inner, TranscriptSink& sink, std::uint32_t link = 1);

    Clock& clock() override { return inner_.clock(); }
    TraceSink& trace() override { return inner_.trace(); }
    std::unique_ptr<SerialChannel> OpenSerial(const std::string& name) override;
    std::unique_ptr<Channel> OpenUsb(const std::string& path) override;
    std::unique_ptr<Channel> ConnectTcp(const std::string& ipv4, std::uint16_t port) override;

    /// Stamps and records one event; the channels call it.
    void Record(TranscriptEvent event);

private:
    /// Records the open (or its failure) of a channel of kind `channel`.
    bool Opened(bool ok, const char* channel, const std::string& port);

    Platform& inner_;
    TranscriptSink& sink_;
    std::uint32_t link_;
    std::uint32_t start_;
};

}  // namespace pelmora::link
