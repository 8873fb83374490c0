#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/TempDir.h"

namespace pelmora::context::testing {

/// A fresh folder per test, removed afterwards, with file helpers.
class TempDirTest : public ::testing::Test {
protected:
    pelmora::test::TempDir temp_;
    std::filesystem::path dir_ = temp_.path();
    std::filesystem::path file() const { return dir_ / "registry.reg"; }
};

using pelmora::test::ReadFile;

inline void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace pelmora::context::testing
