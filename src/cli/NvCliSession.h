#pragma once
#include <memory>
#include <string>

#include "cli/CliContext.h"
#include "context/PrinterContext.h"
#include "nv/NvEngine.h"
#include "nv/NvManager.h"

namespace pelmora::cli {

/// One `pelmora nv` run: the printer context, the NV engine and the manager,
/// whose jobs run on the command line's driver with its progress line.
class NvCliSession final : public nv::NvJobHost {
public:
    explicit NvCliSession(CliContext& ctx);
    ~NvCliSession() override;

    context::ProgressView& view() override { return ctx_.progress(); }
    context::JobEnd Run(context::JobRunner& runner) override { return ctx_.Drive(runner); }

    /// Checks the printer and reads its codes as the manager window opens.
    /// Prints the job's message on failure.
    bool Open();
    /// Prints a failed job's message and gives ExitFailed.
    int Failed(const std::string& message);
    /// The stored codes, one a line.
    void PrintCodes();
    /// Index of `code` in the stored list; throws UsageError when it is not there.
    std::int32_t StoredIndex(const std::string& code) const;

    CliContext& ctx() { return ctx_; }

private:
    CliContext& ctx_;
    std::unique_ptr<context::PrinterContext> util_;

public:
    nv::NvEngine nv;
    nv::NvManager manager;
};

/// A code given on the command line as the printer's two bytes (Latin-1);
/// throws UsageError for anything else.
std::string CodeOption(const std::string& text);

}  // namespace pelmora::cli
