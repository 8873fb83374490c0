#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/PrinterList.h"
#include "context/PrinterContext.h"
#include "context/JobRunner.h"
#include "context/SettingsStore.h"
#include "link/CommSettings.h"
#include "link/Platform.h"

namespace CLI { class App; }
namespace pelmora::link { class TranscriptFile; }

namespace pelmora::cli {

/// Exit statuses of `pelmora`, in one place.
enum ExitStatus : int {
    ExitOk = 0,
    ExitFailed = 1,  ///< the printer, the link or a job failed
    ExitUsage = 2,   ///< bad command line or input; nothing sent, nothing stored
    ExitNotStored = 3,  ///< the printer did the work, but the settings store could not be saved
    /// `config diff` only: a write would change something. Diff writes and
    /// stores nothing, so 3 cannot mean ExitNotStored there.
    ExitWouldChange = 3,
};

/// Thrown by a command for a bad command line or input (exit 2).
struct UsageError {
    std::string message;
};

/// Connection options of one run; they replace the stored settings for this run only.
struct ConnectionOptions {
    std::optional<PrinterAddress> printer;  ///< none: the stored settings
    int baud = 115200;
    std::string parity = "none";
    int stopBits = 1;
    std::string flow = "none";
};

/// What every command needs: the store, the platform, the connection settings
/// and the two output streams. Built once per run by RunPelmora, and once more
/// for each printer when there are several.
class CliContext {
public:
    CliContext(std::ostream& out, std::ostream& err);
    /// For one printer of several, or one stage of a longer job: the parent's
    /// platform, line settings and trace, a store of its own on the same file
    /// (so each keeps its own write failure), and these output streams.
    /// Call it on the parent's thread; the child may then run on another.
    CliContext(CliContext& parent, std::ostream& out, std::ostream& err);
    ~CliContext();

    ConnectionOptions connection;
    bool trace = false;
    bool showSecrets = false;  ///< --show-secrets: the Bluetooth PIN in text output and diffs
    std::string transcript;  ///< --transcript FILE; empty for none
    /// One of several printers run at once: the settings record is not stored
    /// (the store holds one printer's) and no progress line is drawn.
    bool oneOfSeveral = false;
    std::ostream& out;
    std::ostream& err;

    context::SettingsStore& store();
    /// The first failed store write of this run ("" when none, or taken already).
    std::string TakeStoreWriteFailure() { return store_ ? store_->TakeWriteFailure() : std::string(); }
    link::Platform& platform();
    /// The stored communication settings, or the option's replacement.
    /// Throws UsageError for a malformed option.
    link::CommSettings Settings();
    /// A printer context with the settings handed over and applied.
    std::unique_ptr<context::PrinterContext> MakePrinterContext();
    /// Progress on stderr when it is a terminal, nothing otherwise.
    context::ProgressView& progress();
    /// Ends a drawn progress line so that messages start on their own line.
    void EndProgress();
    /// Drives a job on the platform's clock; SIGINT cancels between phases.
    context::JobEnd Drive(context::JobRunner& runner);

    /// Opens the --transcript file, if one was given, and writes its header.
    /// Throws UsageError when the file cannot be written.
    void StartTranscript(const std::vector<std::string>& commandLine);
    /// Says so on stderr, and false, when the transcript could not be written
    /// to its end.
    bool EndTranscript();

    /// For tests: run against another platform or store.
    void UsePlatform(link::Platform* platform) { platformOverride_ = platform; }
    void UseStore(std::unique_ptr<context::SettingsStore> store) { store_ = std::move(store); }

private:
    link::Platform& BasePlatform();

    std::unique_ptr<context::SettingsStore> store_;
    std::unique_ptr<link::Platform> platform_;
    link::Platform* platformOverride_ = nullptr;
    std::unique_ptr<context::ProgressView> progress_;
    std::unique_ptr<link::TranscriptFile> transcriptFile_;
    std::unique_ptr<link::Platform> recorded_;
};

/// Ctrl-C, SIGTERM and SIGHUP cancel the jobs between their phases while at
/// least one scope is alive (scopes nest and may live on several threads);
/// otherwise they end the program as usual.
class InterruptScope {
public:
    InterruptScope();
    ~InterruptScope();
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;
};
/// Ctrl-C was pressed (or SIGTERM or SIGHUP came) since the outermost scope began.
bool Interrupted();

/// "2400, 4800, ..." with the given separator.
std::string JoinNumbers(std::span<const std::uint32_t> numbers, const char* separator);
/// Option check for a value whose emptiness would read as "not given":
/// "the value is empty" for "", else "".
std::string RefuseEmpty(const std::string& value);

/// Prints a failure text the way the windows show it: "\r\n" becomes a newline.
void PrintMessage(std::ostream& stream, const std::string& text);

// Each command registers itself on the app; the handler runs against the
// context it is given (one per printer) and returns an exit status.
using CommandResult = std::function<int(CliContext&)>;
void AddIdentifyCommand(CLI::App& app, CommandResult& run);
void AddInventoryCommand(CLI::App& app, CommandResult& run);
void AddFirmwareCommand(CLI::App& app, CommandResult& run);
void AddPortsCommand(CLI::App& app, CommandResult& run);
void AddDiscoverCommand(CLI::App& app, CommandResult& run);
void AddConfigCommand(CLI::App& app, CommandResult& run);
void AddNvCommand(CLI::App& app, CommandResult& run);

/// The whole program; main() calls it. Separate so that tests can run it in-process.
int RunPelmora(int argc, char** argv, std::ostream& out, std::ostream& err,
               link::Platform* platform = nullptr);

}  // namespace pelmora::cli
