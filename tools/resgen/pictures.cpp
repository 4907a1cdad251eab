#include "pictures.h"

#include <cstdio>

#include "clock_face.h"
#include "emblem.h"
#include "file_writers.h"
#include "hand_cursor.h"
#include "launcher_icons.h"
#include "moon.h"
#include "window_icons.h"

namespace kelvara::resgen {

std::vector<PictureFile> AllPictureFiles() {
  std::vector<PictureFile> files;
  files.push_back({"start.ico", FileKind::kIcon, {DrawStartIcon(32), DrawStartIcon(16)}});
  files.push_back({"clock_face.ico",
                   FileKind::kIcon,
                   {DrawClockFace(kClockFaceSize), DrawClockFace(48), DrawClockFace(32)}});
  files.push_back({"clock_face.bmp", FileKind::kBmp32, {DrawClockFace(kClockFaceSize)}});
  files.push_back({"kelvara.ico",
                   FileKind::kIcon,
                   {DrawProgramIcon(48), DrawProgramIcon(32), DrawProgramIcon(16)}});
  files.push_back({"logo.bmp", FileKind::kBmp24, {DrawLogo()}});
  files.push_back({"grip.ico", FileKind::kIcon, {DrawGripIcon(32)}});
  files.push_back(
      {"launcher.ico",
       FileKind::kIcon,
       {DrawLauncherWindowIcon(32), DrawLauncherWindowIcon(24), DrawLauncherWindowIcon(16)}});
  for (const LauncherIcon& icon : LauncherIcons()) {
    files.push_back({std::string("launcher/") + icon.file,
                     FileKind::kIcon,
                     {DrawLauncherIcon(icon, 48), DrawLauncherIcon(icon, 32)}});
  }
  files.push_back({"hand.cur", FileKind::kCursor, {DrawHandCursor()}, kHandHotX, kHandHotY});
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
      return EncodeCursor(file.images.front(), file.hot_x, file.hot_y);
  }
  return {};
}

}  // namespace kelvara::resgen
