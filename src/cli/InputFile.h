#pragma once
#include <cstddef>
#include <string>

#include "link/LocalFile.h"

namespace pelmora::cli {

/// The whole of an input file named on the command line, read once, without
/// blocking on a FIFO; with Pipes::Read a pipe such as /dev/stdin works too.
/// Throws UsageError naming the file and the reason when it cannot be read,
/// is a device or a folder, or holds more than `limit` bytes.
std::string ReadInputFile(const std::string& path, std::size_t limit, link::Pipes pipes = link::Pipes::Refused);

}  // namespace pelmora::cli
