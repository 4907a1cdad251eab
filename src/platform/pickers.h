#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvara::platform {

// A font as the font picker shows and returns it; sizes in points.
struct FontChoice {
  std::string name;
  float size = 0;
  bool bold = false;
  bool italic = false;
  bool operator==(const FontChoice&) const = default;
};

// What the font picker opens with. Bold and italic left unset keep what the
// picker showed last time.
struct FontPreset {
  std::string name;
  float size = 0;
  std::optional<bool> bold;
  std::optional<bool> italic;
};

// The system's own colour, file-open and font pickers, each modal over the
// window named `owner`. A picker that cannot be shown answers as a cancel.
class Pickers {
 public:
  virtual ~Pickers() = default;
  // The chosen colour; `initial` when the user cancels.
  virtual std::uint32_t PickColour(std::string_view owner, std::uint32_t initial) = 0;
  // The chosen file's full path; empty when the user cancels. `filter` is the
  // "description|pattern|" text of the design, `filter_index` counts its
  // entries from 1; the read-only box is hidden.
  virtual std::string PickFile(std::string_view owner, std::string_view filter, int filter_index,
                               std::string_view folder) = 0;
  // The chosen font, listing screen and printer fonts; none on a cancel.
  virtual std::optional<FontChoice> PickFont(std::string_view owner, const FontPreset& preset) = 0;
};

}  // namespace kelvara::platform
