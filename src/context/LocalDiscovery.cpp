#include "context/LocalDiscovery.h"

#include <algorithm>
#include <mutex>
#include <optional>

#include "context/ResultCode.h"
#include "context/SearchCrew.h"
#include "link/DeviceEnumeration.h"

namespace pelmora::context {

namespace {

bool TriedAtEachSpeed(std::int32_t portType) { return portType == link::PortSerial || portType == link::PortBluetooth; }

class LocalScan {
public:
    LocalScan(link::Platform& platform, const std::vector<LocalCandidate>& candidates, const LocalDiscoveryOptions& options)
        : platform_(platform), candidates_(candidates), crew_(candidates.size(), options.jobs, options.probeMs) {}

    LocalDiscoveryResult Run(const std::function<bool()>& stopWanted,
                             const std::function<void(const LocalDiscoveryProgress&)>& progress) {
        crew_.Run([this](std::uint64_t order) { Try(order); }, stopWanted, [&] {
            if (!progress) return;
            const std::lock_guard<std::mutex> lock(mutex_);
            progress({tried_, candidates_.size(), found_, trying_, answers_});
        });
        LocalDiscoveryResult result;
        result.tried = tried_;
        result.stopped = crew_.Stopping() && tried_ < candidates_.size();
        result.answers = std::move(answers_);
        std::sort(result.answers.begin(), result.answers.end(),
                  [](const LocalAnswer& a, const LocalAnswer& b) { return a.order < b.order; });
        return result;
    }

private:
    void Try(std::uint64_t order) {
        const LocalCandidate& candidate = candidates_[order];
        LocalAnswer answer{order, candidate, {candidate.portType, candidate.port, 0, 8, 0, 0, 0}, {}, false};
        std::string asking;
        if (!TriedAtEachSpeed(candidate.portType)) {
            asking = Trying(candidate.port);
            answer.id = crew_.Identify(platform_, answer.settings);
            answer.skipped = answer.id.result == rc::NotOpen;
        } else {
            std::optional<Identification> telling;  // an answer in bytes says more than silence
            // Fastest first: a printer out of the box runs at the fastest speed.
            for (auto speed = link::kBaudRates.rbegin(); speed != link::kBaudRates.rend() && !crew_.Stopping(); ++speed) {
                answer.settings.baudRate = static_cast<std::int32_t>(*speed);
                asking = Trying(candidate.port + " at " + std::to_string(*speed));
                answer.id = crew_.Identify(platform_, answer.settings);
                if (answer.id.Identified()) break;
                if (answer.id.result == rc::NotOpen) {
                    answer.skipped = true;  // in use or not ours to open: the same at every speed
                    break;
                }
                if (answer.id.NotOurs() && !telling) telling = answer.id;
            }
            if (!answer.id.Identified() && !answer.skipped) {
                if (telling) answer.id = *telling;
                answer.settings.baudRate = 0;  // no speed is known to work
            }
        }
        const std::lock_guard<std::mutex> lock(mutex_);
        // A finished port is no longer being asked, unless another job has taken over the line.
        if (trying_ == asking) trying_.clear();
        // Cut short by a stop, it proves nothing either way.
        if (!answer.id.Identified() && !answer.skipped && crew_.Stopping()) return;
        ++tried_;
        if (answer.id.Identified()) ++found_;
        answers_.push_back(std::move(answer));
    }

    std::string Trying(std::string what) {
        const std::lock_guard<std::mutex> lock(mutex_);
        trying_ = what;
        return what;
    }

    link::Platform& platform_;
    const std::vector<LocalCandidate>& candidates_;
    SearchCrew crew_;
    std::mutex mutex_;
    std::uint64_t tried_ = 0, found_ = 0;
    std::string trying_;
    std::vector<LocalAnswer> answers_;
};

}  // namespace

LocalDiscoveryResult DiscoverLocal(link::Platform& platform, const std::vector<LocalCandidate>& candidates,
                                   const LocalDiscoveryOptions& options, const std::function<bool()>& stopWanted,
                                   const std::function<void(const LocalDiscoveryProgress&)>& progress) {
    return LocalScan(platform, candidates, options).Run(stopWanted, progress);
}

std::vector<LocalCandidate> LocalCandidates(link::TraceSink& trace) {
    std::vector<LocalCandidate> candidates;
    for (const link::SerialPortInfo& port : link::ListSerialPorts(trace)) {
        const bool rfcomm = port.path.find("rfcomm") != std::string::npos;
        candidates.push_back({rfcomm ? link::PortBluetooth : link::PortSerial, port.path, port.description});
    }
    for (const link::UsbPrinterInfo& usb : link::ListUsbPrinters(trace))
        candidates.push_back({link::PortUsb, usb.path, usb.label});
    return candidates;
}

}  // namespace pelmora::context
