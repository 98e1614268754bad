#include "support/test_game.h"

#include <fstream>
#include <random>
#include <sstream>

namespace orv::test {

TempDir::TempDir() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  std::filesystem::path p;
  do {
    p = base / ("orv-test-" + std::to_string(rd()));
  } while (std::filesystem::exists(p));
  std::filesystem::create_directories(p);
  path_ = p.string() + "/";
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::write(const std::string& relative, const std::string& bytes) const {
  std::filesystem::path p = path_ + relative;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
  return p.string();
}

std::string TempDir::read(const std::string& relative) const {
  std::ifstream in(path_ + relative, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace orv::test
