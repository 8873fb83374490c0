#pragma once
#include <iosfwd>
#include <string>

namespace pelmora::cli {

/// Asks `question` with "[y/N]" on `err` and reads one line of `in`: "y" or
/// "yes" (any case) goes on, anything else, an empty line or the end of the
/// input does not. Without asking, true when `assumeYes` (--yes) or when the
/// input is no terminal: scripts and Ansible are never held up by a question.
bool Confirmed(std::istream& in, std::ostream& err, const std::string& question, bool assumeYes, bool terminal);

}  // namespace pelmora::cli
