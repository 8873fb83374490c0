#include "cli/InputFile.h"

#include "cli/CliContext.h"

namespace pelmora::cli {

std::string ReadInputFile(const std::string& path, std::size_t limit, link::Pipes pipes) {
    std::string bytes, why;
    switch (link::ReadLocalFile(path, limit, bytes, &why, pipes)) {
    case link::FileRead::Ok: return bytes;
    case link::FileRead::Missing: why = "No such file or directory"; break;
    case link::FileRead::Failed: break;
    }
    throw UsageError{"cannot read '" + path + "': " + why};
}

}  // namespace pelmora::cli
