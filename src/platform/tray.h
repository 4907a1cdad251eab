#pragma once

#include <array>
#include <cstdint>

namespace kelvara::platform {

// The notification icon's record as the behaviour keeps it. The tip is code
// page 932 bytes; the tray layer converts it and ends it at the first NUL or
// at the buffer's end.
struct TrayIconData {
  std::uint32_t size = 89;
  std::uint32_t id = 1;
  std::uint32_t flags = 7;  // message, icon and tip are valid
  std::uint32_t callback_message = 512;
  std::array<char, 65> tip{};
  bool operator==(const TrayIconData&) const = default;
};

enum class TrayCommand { kAdd = 0, kModify = 1, kDelete = 2 };

class Tray {
 public:
  virtual ~Tray() = default;
  virtual void Notify(TrayCommand command, const TrayIconData& data) = 0;
};

}  // namespace kelvara::platform
