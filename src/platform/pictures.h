#pragma once

#include <string>
#include <string_view>

#include "ui/form.h"

namespace kelvara::platform {

struct LoadedPicture {
  ui::PictureId id = 0;  // 0 when the file could not be read
  std::string error;
};

// Pictures from files (bitmap, icon, JPEG, GIF, PNG), owned by the platform
// until released.
class Pictures {
 public:
  virtual ~Pictures() = default;
  // Unused, a loaded picture would never be given back.
  [[nodiscard]] virtual LoadedPicture Load(std::string_view path) = 0;
  virtual void Release(ui::PictureId id) = 0;
};

}  // namespace kelvara::platform
