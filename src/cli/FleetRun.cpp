#include "cli/FleetRun.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <ostream>
#include <sstream>
#include <thread>

#include "cli/FleetReport.h"

namespace pelmora::cli {

namespace {

struct Slot {
    PrinterAddress printer;
    std::ostringstream out, err;
    std::unique_ptr<CliContext> ctx;
    int status = ExitFailed;
};

// A worker thread must not let an exception escape: it would end the program
// and every other printer's job with it.
int RunOne(CliContext& ctx, const CommandResult& run) {
    int status;
    try {
        status = run(ctx);
    } catch (const UsageError& e) {
        PrintMessage(ctx.err, "pelmora: " + e.message);
        status = ExitUsage;
    } catch (const std::exception& e) {
        PrintMessage(ctx.err, std::string("pelmora: ") + e.what());
        status = ExitFailed;
    }
    if (const std::string failure = ctx.TakeStoreWriteFailure(); !failure.empty()) {
        PrintMessage(ctx.err, "pelmora: warning: " + failure);
        if (status == ExitOk) status = ExitNotStored;
    }
    return status;
}

void PrintLines(std::ostream& stream, const std::string& name, const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) stream << name << ": " << line << '\n';
}

}  // namespace

int RunFleet(CliContext& ctx, const std::vector<PrinterAddress>& printers, const FleetOptions& options,
             const CommandResult& run) {
    // Every context is made here, on this thread: they share the parent's
    // platform and store path, which the parent makes on first use.
    std::vector<std::unique_ptr<Slot>> slots;
    for (const PrinterAddress& printer : printers) {
        auto slot = std::make_unique<Slot>();
        slot->printer = printer;
        slot->ctx = std::make_unique<CliContext>(ctx, slot->out, slot->err);
        slot->ctx->connection.printer = printer;
        slot->ctx->oneOfSeveral = true;
        slots.push_back(std::move(slot));
    }

    {
        const InterruptScope interruptible;
        std::atomic<std::size_t> next{0};
        auto worker = [&] {
            for (std::size_t i; !Interrupted() && (i = next++) < slots.size();)
                slots[i]->status = RunOne(*slots[i]->ctx, run);
        };
        const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(std::max(options.jobs, 1)), slots.size());
        std::vector<std::thread> workers;
        for (std::size_t i = 0; i < count; ++i) workers.emplace_back(worker);
        for (auto& w : workers) w.join();
        for (std::size_t i = next; i < slots.size(); ++i)
            PrintMessage(slots[i]->err, "pelmora: not started: interrupted");
    }

    std::vector<PrinterOutcome> outcomes;
    for (const auto& slot : slots) {
        outcomes.push_back({Describe(slot->printer), slot->status, slot->out.str(), slot->err.str()});
        const PrinterOutcome& o = outcomes.back();
        PrintLines(ctx.err, o.printer, o.err);
        if (options.json || o.out.empty()) continue;
        ctx.out << "== " << o.printer << " ==\n" << o.out;
        if (o.out.back() != '\n') ctx.out << '\n';
    }
    if (options.json) {
        ctx.out << SummaryJson(outcomes, options.diff, options.commandJson).dump(2) << '\n';
    } else {
        if (std::any_of(outcomes.begin(), outcomes.end(), [](const auto& o) { return !o.out.empty(); })) ctx.out << '\n';
        ctx.out << SummaryTable(outcomes, options.diff);
    }
    return FleetStatus(outcomes);
}

}  // namespace pelmora::cli
