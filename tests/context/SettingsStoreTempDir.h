#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/PrinterRig.h"

namespace pelmora::context::testing {

/// A fresh folder per test, removed afterwards, with file helpers.
class TempDirTest : public ::testing::Test {
protected:
    pelmora::test::TempDir temp_;
    std::filesystem::path dir_ = temp_.path();
};

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace pelmora::context::testing
