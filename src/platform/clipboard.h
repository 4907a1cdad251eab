#pragma once

namespace kelvara::platform {

// The system clipboard.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Opens, empties and closes it; a clipboard held by another program stays
  // as it is.
  virtual void Clear() = 0;
};

}  // namespace kelvara::platform
