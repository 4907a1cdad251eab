#pragma once

#include <string_view>

namespace kelvara::platform {

// A message with an OK button only and no icon, modal to the window that
// shows it: a form's name, or the empty name for no window at all.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual void Show(std::string_view owner, std::string_view text, std::string_view title) = 0;
};

}  // namespace kelvara::platform
