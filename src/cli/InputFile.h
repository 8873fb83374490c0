#pragma once
#include <cstddef>
#include <string>

namespace pelmora::cli {

/// The whole of an input file named on the command line, read once; a pipe
/// such as /dev/stdin works too. Throws UsageError naming the file and the
/// reason when it cannot be read or holds more than `limit` bytes.
std::string ReadInputFile(const std::string& path, std::size_t limit);

}  // namespace pelmora::cli
