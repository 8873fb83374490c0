#include "cli/NvCliSession.h"

#include <algorithm>
#include <ostream>

#include "cli/Latin1.h"

namespace pelmora::cli {

NvCliSession::NvCliSession(CliContext& ctx)
    : ctx_(ctx), util_(ctx.MakePrinterContext()), nv(*util_, ctx.store()), manager(nv, *this) {
    nv.setKeepDecodedPictures(true);  // each file named on the command line is read once
}

NvCliSession::~NvCliSession() { manager.Close(); }

bool NvCliSession::Open() {
    const nv::NvOutcome outcome = manager.Open();
    if (!outcome.ok) PrintMessage(ctx_.err, outcome.message);
    return outcome.ok;
}

int NvCliSession::Failed(const std::string& message) {
    manager.Close();
    PrintMessage(ctx_.err, message);
    return ExitFailed;
}

void NvCliSession::PrintCodes() {
    for (const auto& code : nv.addressList()) ctx_.out << Latin1ToUtf8(code) << '\n';
}

std::int32_t NvCliSession::StoredIndex(const std::string& code) const {
    const auto it = std::find(nv.addressList().begin(), nv.addressList().end(), code);
    if (it == nv.addressList().end())
        throw UsageError{"no NV image is stored under the address code '" + Latin1ToUtf8(code) + "'"};
    return static_cast<std::int32_t>(it - nv.addressList().begin());
}

std::string CodeOption(const std::string& text) {
    const auto bytes = Utf8ToLatin1(text);
    if (!bytes || bytes->size() != 2)
        throw UsageError{"an address code has exactly two characters (Latin-1), not '" + text + "'"};
    return *bytes;
}

}  // namespace pelmora::cli
