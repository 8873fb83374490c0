// Identification against a hostile printer: the queries of the open check in
// an order the input picks, each with its result code, link state and time checked.
#include <set>

#include "HostilePrinter.h"
#include "context/PrinterContext.h"
#include "context/ResultCode.h"

using namespace pelmora;
using namespace pelmora::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t setup = in.Byte();
    const auto portType = static_cast<std::int32_t>(setup & 3);
    sim::PrinterModel printer;
    HostilePlatform platform(printer, in);
    context::PrinterContext util(platform);
    util.link().setLayout(((setup >> 2) & 1) ? link::Layout::Handheld : link::Layout::Desktop);
    util.HandOver(SettingsFor(portType));
    util.link().OpenPort();

    static const std::set<int> kQueryResults = {rc::Ok, rc::NotOpen, rc::NotSupported, rc::BadHeader,
                                                rc::ShortWrite, rc::NoReply};
    const std::uint64_t worstRead = WorstReadMs(portType, 100);
    for (int i = 0; i < 6 && util.link().IsOpen(); ++i) {
        const std::uint32_t selector = in.Byte() % 5;
        const std::uint64_t before = platform.Now();
        const std::uint64_t inputMs = size * (worstRead + 500);
        const int result = util.QueryPrinter(selector);
        Check(kQueryResults.count(result) == 1, "unknown result " + std::to_string(result));
        Check(platform.Now() - before <= IdentifyWorstMs(worstRead) + kLinkOpenCloseMs + inputMs,
              "a query outlasted its bound");
        if (result != rc::Ok && result != rc::NotOpen)
            Check(!util.link().IsOpen(), "a failed query left the link open");
        if (selector == context::QUERY_MODEL && result == rc::Ok)
            Check(util.modelCode() == context::kModelExpected || util.modelCode() == context::kModelMismatch,
                  "a model code identification cannot produce");
        if (selector == context::QUERY_VERSION && result == rc::Ok && util.modelCode() == context::kModelExpected)
            Check(util.firmwareVersion() == 101001 || util.firmwareVersion() == 160902, "a firmware the model has not");
    }
    return 0;
}
