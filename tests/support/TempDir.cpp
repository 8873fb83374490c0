#include "support/TempDir.h"

#include <sys/stat.h>

#include <fstream>
#include <random>
#include <system_error>

namespace pelmora::test {

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned FileMode(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.string().c_str(), &info) == 0 ? info.st_mode & 07777 : 0xFFFF;
}

TempDir::TempDir() : TempDir(std::filesystem::temp_directory_path()) {}

TempDir::TempDir(const std::filesystem::path& parent) {
    // mkdtemp's way, which Windows lacks: a random name, made only if new.
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const std::filesystem::path candidate = parent / ("pelmora-test-" + std::to_string(random() % 1000000000));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) path_ = candidate;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (path_.empty()) return;
    // Tests make folders read-only; they must still go.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace pelmora::test
