// Pictures loaded from the user's files: the bar pictures and the clock face.
#include <array>
#include <string>

#include "main_window/appearance_parts.h"
#include "main_window/main_window.h"

namespace kelvara {
namespace {

struct BarRow {
  const char* bar;
  const char* picture;
  const char* field;
};
constexpr std::array<BarRow, 5> kBarRows = {{
    {"PrscrTime", "CpuI", "CpuImg"},
    {"RamT", "MemI", "MemImg"},
    {"DiskTime", "DscI", "DscImg"},
    {"DSpce", "DspI", "DspImg"},
    {"PFT", "PFI", "PFImg"},
}};

}  // namespace

void ApplyBarPictures(MainWindow& window, platform::Pictures& pictures) {
  ui::Form& form = window.form();
  for (const BarRow& row : kBarRows) {
    const std::string& path = window.Text(row.field);
    if (path.empty()) {
      ClearPicture(form, pictures, form[row.picture]);
      form.SetVisible(form[row.bar], true);
    } else if (LoadPictureInto(form, pictures, form[row.picture], path)) {
      form.SetVisible(form[row.bar], false);
    }
    // A file that cannot be read leaves the row as it was.
  }
}

}  // namespace kelvara
