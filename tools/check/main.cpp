// orvante-check [DATA_FOLDER]: reports what the game would trip over in a data folder.
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "checker.h"

namespace {

constexpr const char* kUsage =
    "Usage: orvante-check [DATA_FOLDER]\n"
    "Reads an ORVANTE data folder (the folder that holds DATA/ini.txt; without one, the\n"
    "folder named by ORVANTE_DATA, else the current folder) the way the game reads it and\n"
    "reports one finding a line as\n"
    "FILE:LINE: MESSAGE. Exit status: 0 clean, 1 findings, 2 the folder cannot be read.\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
    (help ? std::cout : std::cerr) << kUsage;
    return help ? 0 : 2;
  }
  const char* named = std::getenv("ORVANTE_DATA");
  const std::string folder = argc == 2 ? argv[1] : named != nullptr ? named : "";
  const orv::check::CheckResult result = orv::check::check_data_folder(folder);
  if (!result.readable) {
    std::cerr << "orvante-check: cannot read " << (folder.empty() ? "." : folder)
              << "/DATA/ini.txt\n";
    return 2;
  }
  orv::check::print_findings(std::cout, result.findings);
  return result.findings.empty() ? 0 : 1;
}
