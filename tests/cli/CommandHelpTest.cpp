// The commands' options are added only once the command line names a command;
// help must still show each command's own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ConfigCli.h"

namespace pelmora::test {
namespace {

TEST(CommandHelp, EachCommandShowsItsOwnOptions) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> shown;
        std::vector<std::string> notShown;
    } cases[] = {
        {{"--help"}, {"--tcp", "identify", "inventory", "config", "nv", "firmware", "ports", "discover"}, {"--dry-run"}},
        {{"config", "--help"}, {"get", "set", "diff", "default"}, {"--dry-run", "Fields:"}},
        {{"config", "set", "--help"}, {"--dry-run", "--verify", "--from", "Fields:", "Units:"}, {"Exit status 0"}},
        {{"config", "diff", "--help"}, {"--from", "Fields:", "Exit status 0 when nothing would change"}, {"--verify"}},
        {{"config", "default", "--help"}, {"--no-backup"}, {}},
        {{"nv", "download", "--help"}, {"--auto", "--code", "--brightness", "--dither", "FILE"}, {}},
        {{"nv", "delete", "--help"}, {"CODE", "--all"}, {"--brightness"}},
        {{"firmware", "--help"}, {"--keep-settings", "--wait"}, {}},
        {{"discover", "--help"}, {"--scan-seconds", "--printers-file"}, {}},
        {{"identify", "--help"}, {"--json"}, {}},
    };
    ConfigCli cli;
    for (const auto& c : cases) {
        const Result help = cli.RunPelmora(c.args);
        const std::string what = c.args.front() + (c.args.size() > 1 ? " " + c.args[1] : "");
        EXPECT_EQ(help.status, 0) << what << help.err;
        for (const std::string& text : c.shown)
            EXPECT_NE(help.out.find(text), std::string::npos) << what << ": " << text;
        for (const std::string& text : c.notShown)
            EXPECT_EQ(help.out.find(text), std::string::npos) << what << ": " << text;
    }
}

}  // namespace
}  // namespace pelmora::test
