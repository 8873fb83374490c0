// `pelmora --transcript` in-process; a real run's transcript replayed by
// `pelmora-sim --replay` is UsbEndToEnd's hardware check.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "support/ConfigCli.h"

namespace pelmora {
namespace {

std::vector<nlohmann::json> Lines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<nlohmann::json> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
}

// The header names the tool and its command, the link's events follow to the close.
// PIN codes pass the link: a new file, or an older one open to all, is the owner's
// only. What cannot be written is the command line table's.
TEST(Transcript, NamesTheCommandAndIsTheOwnersOnly) {
    test::ConfigCli cli;
    const auto older = cli.dir / "old.jsonl";
    std::ofstream(older) << "older\n";
    std::filesystem::permissions(older, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                            std::filesystem::perms::others_read);
    for (const auto& file : {cli.dir / "new.jsonl", older}) {
        EXPECT_EQ(cli.RunPelmora({"--tcp", "127.0.0.1:9100", "--transcript", file.string(), "identify"}).status, 0);
        EXPECT_EQ(test::FileMode(file), 0600u) << file;
        const auto lines = Lines(file);
        ASSERT_GE(lines.size(), 4u) << file;
        EXPECT_EQ(std::tuple(lines[0]["tool"], lines[0]["command"].back(), lines[1]["event"], lines[1]["channel"]),
                  std::tuple("pelmora", "identify", "open", "tcp"));
        EXPECT_FALSE(lines[0]["version"].get<std::string>().empty());
        EXPECT_EQ(lines.back()["event"], "close");
    }
}

}  // namespace
}  // namespace pelmora
