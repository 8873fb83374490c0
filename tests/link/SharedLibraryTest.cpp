#include <gtest/gtest.h>

#include <string>

#include "link/SharedLibrary.h"

namespace pelmora::link {
namespace {

using Strlen = std::size_t (*)(const char*);

// A missing library or symbol must say which, and what to install, rather
// than crash on a null function later.
TEST(SharedLibrary, NamesTheMissingLibraryOrSymbolAndWhatToInstall) {
    // problemStart: "" when usable.
    const struct { const char *soname, *package, *symbol, *problemStart, *advice; } cases[] = {
        {"libc.so.6", "libc6", "strlen", "", ""},
        {"libpelmora-absent.so.1", "pelmora-absent", "strlen", "libpelmora-absent.so.1 could not be loaded (",
         "): install pelmora-absent"},
        {"libc.so.6", "libc6", "pelmora_absent_function", "libc.so.6 has no pelmora_absent_function (",
         "): install a newer libc6"},
    };
    for (const auto& c : cases) {
        SharedLibrary library(c.soname, c.package);
        Strlen function = nullptr;
        library.Resolve(function, c.symbol);
        const std::string problem = library.Problem();
        EXPECT_EQ(library.Usable(), problem.empty()) << c.soname;
        EXPECT_EQ(problem.rfind(c.problemStart, 0), 0u) << problem;
        EXPECT_NE(problem.find(c.advice), std::string::npos) << problem;
        if (problem.empty()) EXPECT_EQ(function("four"), 4u);
        else EXPECT_EQ(function, nullptr) << c.symbol;
    }
}

}  // namespace
}  // namespace pelmora::link
