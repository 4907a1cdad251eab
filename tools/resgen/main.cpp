// Draws every picture the programs carry and writes them under the folder
// given on the command line (normally the repository's resources folder).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  for (const auto& file : kelvara::resgen::AllPictureFiles()) {
    const std::filesystem::path path = root / file.path;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    const auto bytes = kelvara::resgen::Encode(file);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
      return 1;
    }
  }
  return 0;
}
