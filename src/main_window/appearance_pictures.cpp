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

bool LoadPictureInto(ui::Form& form, platform::Pictures& pictures, ui::Control& control,
                     std::string_view path) {
  const platform::LoadedPicture loaded = pictures.Load(path);
  if (loaded.id == 0) return false;
  const ui::PictureId previous = control.picture;
  form.SetPicture(control, loaded.id);
  // Released only once nothing shows it any more.
  if (previous != 0 && previous != loaded.id) pictures.Release(previous);
  return true;
}

void ClearPicture(ui::Form& form, platform::Pictures& pictures, ui::Control& control) {
  const ui::PictureId previous = control.picture;
  if (previous == 0) return;
  form.SetPicture(control, 0);
  pictures.Release(previous);
}

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
