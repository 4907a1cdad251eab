#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "pictures.h"

// Reads the files back, written apart from the writers so that a slip in one
// is not repeated in the other. Only what the writers are meant to produce is
// accepted.
namespace kelvara::resgen {

struct DecodedImage {
  Canvas pixels;
  std::vector<bool> transparent_in_mask;  // icons and cursors; top row first
};

struct DecodedFile {
  FileKind kind = FileKind::kBmp24;
  std::vector<DecodedImage> images;
  std::vector<HotSpot> hot_spots;  // cursors, one an image
};

// An empty string when the file reads cleanly, otherwise what is wrong with it.
std::string DecodePictureFile(const std::vector<uint8_t>& bytes, DecodedFile& out);

}  // namespace kelvara::resgen
