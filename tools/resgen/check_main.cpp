// Reads every picture file in the given folder back with an independent
// reader and checks it against what the generator draws: file format, sizes,
// every pixel, the icon masks, the cursor's hot spot and the moon's phases.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "file_reader.h"
#include "file_writers.h"
#include "moon_checks.h"
#include "pictures.h"

namespace kelvara::resgen {
namespace {

struct Expected {
  FileKind kind;
  std::vector<int> sizes;               // square images, in the file's order
  std::vector<HotSpot> hot_spots = {};  // cursors, one an image
};

// The sizes each file must hold, written out here rather than taken from the
// drawing code so that a wrong size there is caught.
std::map<std::string, Expected> ExpectedFiles() {
  std::map<std::string, Expected> files{
      {"start.ico", {FileKind::kIcon, {64, 40, 32, 24, 20, 16}}},
      {"kelvara.ico", {FileKind::kIcon, {64, 48, 40, 32, 24, 20, 16}}},
      {"clock_face.ico", {FileKind::kIcon, {75, 48, 32}}},
      {"clock_face.bmp", {FileKind::kBmp32, {75}}},
      {"logo.bmp", {FileKind::kBmp24, {60}}},
      {"grip.ico", {FileKind::kIcon, {32}}},
      {"launcher.ico", {FileKind::kIcon, {64, 40, 32, 24, 20, 16}}},
      {"hand.cur", {FileKind::kCursor, {64, 48, 32}, {{21, 3}, {15, 2}, {10, 1}}}},
  };
  for (const char* name :
       {"computer", "favourites", "libraries", "documents", "pictures", "videos", "music",
        "all_users_programs", "user_programs", "all_users_startup", "control_panel",
        "administrative_tools", "task_manager", "system_information"}) {
    files[std::string("launcher/") + name + ".ico"] = {FileKind::kIcon, {48, 32}};
  }
  for (int age = 0; age < 30; ++age) {
    char name[32];
    std::snprintf(name, sizeof name, "moon/mp%02d.bmp", age);
    files[name] = {FileKind::kBmp24, {53}};
  }
  return files;
}

// A 24-bit BMP holds the picture laid over black.
Rgba Stored(FileKind kind, Rgba p) {
  if (kind != FileKind::kBmp24) return p;
  auto over_black = [&](uint8_t c) { return static_cast<uint8_t>((c * p.a + 127) / 255); };
  return Opaque(over_black(p.r), over_black(p.g), over_black(p.b));
}

std::string CheckImage(FileKind kind, const Canvas& drawn, const DecodedImage& read, int size) {
  if (read.pixels.width() != size || read.pixels.height() != size) return "wrong size";
  if (drawn.width() != size || drawn.height() != size) return "drawn at the wrong size";
  const bool masked = kind == FileKind::kIcon || kind == FileKind::kCursor;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (read.pixels.at(x, y) != Stored(kind, drawn.at(x, y))) {
        return "pixel " + std::to_string(x) + "," + std::to_string(y) + " differs";
      }
      if (masked && read.transparent_in_mask[static_cast<size_t>(y * size + x)] !=
                        (drawn.at(x, y).a < kMaskAlphaBelow)) {
        return "mask bit " + std::to_string(x) + "," + std::to_string(y) + " is wrong";
      }
    }
  }
  return "";
}

std::string CheckFile(const PictureFile& file, const Expected& expected, const DecodedFile& read) {
  if (read.kind != expected.kind) return "wrong kind of file";
  if (read.images.size() != expected.sizes.size() || file.images.size() != expected.sizes.size()) {
    return "wrong number of images";
  }
  for (size_t i = 0; i < read.images.size(); ++i) {
    const std::string problem =
        CheckImage(read.kind, file.images[i], read.images[i], expected.sizes[i]);
    if (!problem.empty()) return "image " + std::to_string(i) + ": " + problem;
  }
  if (read.kind == FileKind::kCursor) {
    if (read.hot_spots != expected.hot_spots) return "hot spots differ from the expected";
    if (file.hot_spots != expected.hot_spots) return "hot spots drawn differ from the expected";
    for (size_t i = 0; i < read.images.size(); ++i) {
      // The hot spot must be on the hand itself, not on a see-through pixel.
      const HotSpot hot = read.hot_spots[i];
      if (read.images[i].pixels.at(hot.x, hot.y).a < kMaskAlphaBelow) {
        return "hot spot of image " + std::to_string(i) + " is on a transparent pixel";
      }
    }
  }
  return "";
}

bool ReadBytes(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return static_cast<bool>(in) || in.eof();
}

}  // namespace
}  // namespace kelvara::resgen

int main(int argc, char** argv) {
  using namespace kelvara::resgen;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder of written pictures>\n", argv[0]);
    return 2;
  }
  auto expected = ExpectedFiles();
  int failures = 0;
  auto fail = [&](const std::string& what, const std::string& problem) {
    std::fprintf(stderr, "%s: %s\n", what.c_str(), problem.c_str());
    ++failures;
  };
  std::vector<Canvas> moons;
  for (const PictureFile& file : AllPictureFiles()) {
    const auto it = expected.find(file.path);
    if (it == expected.end()) {
      fail(file.path, "drawn but not expected");
      continue;
    }
    std::vector<uint8_t> bytes;
    DecodedFile read;
    std::string problem;
    if (!ReadBytes(std::string(argv[1]) + "/" + file.path, bytes) || bytes.empty()) {
      problem = "missing or unreadable";
    } else {
      problem = DecodePictureFile(bytes, read);
    }
    if (problem.empty()) problem = CheckFile(file, it->second, read);
    if (problem.empty() && file.path.rfind("moon/", 0) == 0) {
      const int age = std::stoi(file.path.substr(7, 2));
      problem = CheckMoonPhase(age, read.images[0].pixels);
      moons.push_back(read.images[0].pixels);
    }
    if (!problem.empty()) fail(file.path, problem);
    expected.erase(it);
  }
  for (const auto& [path, unused] : expected) fail(path, "expected but not drawn");
  if (moons.size() == 30) {
    const std::string problem = CheckMoonSequence(moons);
    if (!problem.empty()) fail("moon", problem);
  }
  if (failures == 0) std::printf("all pictures read back correctly\n");
  return failures == 0 ? 0 : 1;
}
