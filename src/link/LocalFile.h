#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

/// Files of this machine that the programs read or write beside the printer:
/// images, stores, profiles, transcripts, lists of printers, PNG output.
namespace pelmora::link {

enum class FileRead { Ok, Missing, Failed };

/// Whether a pipe (a FIFO, /dev/stdin from a shell pipe) is read like a file.
enum class Pipes { Refused, Read };

/// The whole of `path` into `bytes`. It is opened without blocking, so a FIFO
/// with no writer cannot hang the caller, and must be a regular file (or,
/// with Pipes::Read, a pipe); reading stops past `limit` bytes rather than
/// follow an endless stream. Missing (bytes empty) when it does not exist;
/// Failed with the reason in `why` otherwise.
FileRead ReadLocalFile(const std::string& path, std::size_t limit, std::string& bytes, std::string* why = nullptr,
                       Pipes pipes = Pipes::Refused);

/// Empty when `path` may be written: it does not exist yet, or it is (a link
/// to) a regular file. Else why not ("it is a device", ...): writing there
/// would replace or feed a device, a FIFO, a folder or a socket.
std::string OutputProblem(const std::string& path);

/// Writes all of `bytes`; empty on success, else the reason (a full disk is
/// an error, never a short success).
std::string WriteAll(int fd, std::string_view bytes);

/// Creates or empties `path` (which must pass OutputProblem) for writing,
/// readable by its owner only where the system has such modes: null, with the
/// reason in `why`, when it cannot.
std::FILE* OpenPrivateOutput(const std::string& path, std::string& why);

enum class Claim { Claimed, Exists, Failed };

/// Creates `path` empty, readable by its owner only where the system has such
/// modes, unless something is there already: the name is then the caller's,
/// to fill with ReplaceFile. Failed with the reason in `why`.
Claim ClaimNewFile(const std::string& path, std::string& why);

}  // namespace pelmora::link
