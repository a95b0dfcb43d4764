#include "ini_fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

void IniFileTest::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessel_ini_XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  folder_ = pattern;
}

void IniFileTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string IniFileTest::PathOf(const std::string& name) const { return (folder_ / name).string(); }

std::string IniFileTest::WriteFile(const std::string& name, const std::string& bytes) const {
  const std::string path = PathOf(name);
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return path;
}

std::string IniFileTest::ReadFile(const std::string& path) const {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}
