#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace kelvara::resgen {

enum class FileKind { kBmp24, kBmp32, kIcon, kCursor };

// One file of the resources folder and the pictures it holds.
struct PictureFile {
  std::string path;  // relative to the resources folder, '/' between folders
  FileKind kind;
  std::vector<Canvas> images;      // an icon's sizes, largest first; one for a bitmap
  std::vector<HotSpot> hot_spots;  // cursors only, one an image
};

std::vector<PictureFile> AllPictureFiles();

std::vector<uint8_t> Encode(const PictureFile& file);

}  // namespace kelvara::resgen
