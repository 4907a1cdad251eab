#include "pictures.h"

#include <cstdio>
#include <initializer_list>
#include <utility>

#include "clock_face.h"
#include "emblem.h"
#include "file_writers.h"
#include "hand_cursor.h"
#include "launcher_icons.h"
#include "moon.h"
#include "window_icons.h"

namespace kelvara::resgen {
namespace {

// The window and taskbar icons at 100 % to 200 %: small 16, 20, 24, 32 and
// large 32, 40, 48, 64, so Windows never has to scale one.
std::vector<Canvas> Sizes(Canvas (*draw)(int), std::initializer_list<int> sizes) {
  std::vector<Canvas> images;
  for (const int size : sizes) images.push_back(draw(size));
  return images;
}

}  // namespace

std::vector<PictureFile> AllPictureFiles() {
  std::vector<PictureFile> files;
  files.push_back({"start.ico", FileKind::kIcon, Sizes(DrawStartIcon, {64, 40, 32, 24, 20, 16})});
  files.push_back({"clock_face.ico",
                   FileKind::kIcon,
                   {DrawClockFace(kClockFaceSize), DrawClockFace(48), DrawClockFace(32)}});
  files.push_back({"clock_face.bmp", FileKind::kBmp32, {DrawClockFace(kClockFaceSize)}});
  files.push_back(
      {"kelvara.ico", FileKind::kIcon, Sizes(DrawProgramIcon, {64, 48, 40, 32, 24, 20, 16})});
  files.push_back({"logo.bmp", FileKind::kBmp24, {DrawLogo()}});
  files.push_back({"grip.ico", FileKind::kIcon, {DrawGripIcon(32)}});
  files.push_back(
      {"launcher.ico", FileKind::kIcon, Sizes(DrawLauncherWindowIcon, {64, 40, 32, 24, 20, 16})});
  for (const LauncherIcon& icon : LauncherIcons()) {
    files.push_back({std::string("launcher/") + icon.file,
                     FileKind::kIcon,
                     {DrawLauncherIcon(icon, 48), DrawLauncherIcon(icon, 32)}});
  }
  PictureFile cursor{"hand.cur", FileKind::kCursor, {}, {}};
  for (const int size : kCursorSizes) {
    cursor.images.push_back(DrawHandCursor(size));
    cursor.hot_spots.push_back(HandHotSpot(size));
  }
  files.push_back(std::move(cursor));
  for (int age = 0; age < kMoonAges; ++age) {
    char name[32];
    std::snprintf(name, sizeof name, "moon/mp%02d.bmp", age);
    files.push_back({name, FileKind::kBmp24, {DrawMoon(age)}});
  }
  return files;
}

std::vector<uint8_t> Encode(const PictureFile& file) {
  switch (file.kind) {
    case FileKind::kBmp24:
      return EncodeBmp24(file.images.front());
    case FileKind::kBmp32:
      return EncodeBmp32(file.images.front());
    case FileKind::kIcon:
      return EncodeIcon(file.images);
    case FileKind::kCursor:
      return EncodeCursor(file.images, file.hot_spots);
  }
  return {};
}

}  // namespace kelvara::resgen
