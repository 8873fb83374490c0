// How Linux tells why a port or a connection would not open.
#include <cerrno>
#include <filesystem>
#include <fstream>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "link/LinkFailure.h"

namespace pelmora::link {

std::string GroupOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    group entry{};
    group* found = nullptr;
    char buffer[4096];
    if (::getgrgid_r(info.st_gid, &entry, buffer, sizeof buffer, &found) != 0 || !found) return {};
    return found->gr_name;
}

// Only our own processes' descriptors can be read without privileges; that is
// where a second pelmora or a terminal program holding the port usually is.
std::string HolderOf(const std::string& path) {
    std::error_code ec;
    const auto target = std::filesystem::canonical(path, ec);
    if (ec) return {};
    const std::string self = std::to_string(::getpid());
    for (const auto& process : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string pid = process.path().filename();
        if (pid == self || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code fdError;
        for (const auto& fd : std::filesystem::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            if (std::filesystem::read_symlink(fd.path(), linkError) != target) continue;
            std::ifstream comm(process.path() / "comm");
            std::string name;
            std::getline(comm, name);
            return (name.empty() ? "a program" : name) + " (pid " + pid + ")";
        }
    }
    return {};
}

bool IsHostDown(int error) { return error == EHOSTDOWN; }

}  // namespace pelmora::link
