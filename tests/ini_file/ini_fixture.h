#pragma once
// A fresh folder per test, with helpers to lay down and read back exact bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string PathOf(const std::string& name) const;
  // Writes bytes as they stand and returns the path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;
  std::string ReadFile(const std::string& path) const;

  std::filesystem::path folder_;
};
