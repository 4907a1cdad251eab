// Pictures loaded from the user's files: the bar pictures.
#include "main_window/appearance_pictures.h"

#include <string>

#include "main_window/main_window.h"
#include "main_window/picture_slot.h"

namespace kelvara {

void ApplyBarPictures(MainWindow& window, platform::Pictures& pictures) {
  ui::Form& form = window.form();
  MainWindowControls& c = window.controls();
  struct BarRow {
    ui::Control& bar;
    ui::Control& picture;
    const ui::Control& field;
  };
  for (const BarRow& row : {BarRow{c.PrscrTime, c.CpuI, c.CpuImg}, BarRow{c.RamT, c.MemI, c.MemImg},
                            BarRow{c.DiskTime, c.DscI, c.DscImg}, BarRow{c.DSpce, c.DspI, c.DspImg},
                            BarRow{c.PFT, c.PFI, c.PFImg}}) {
    const std::string& path = row.field.caption;
    if (path.empty()) {
      ClearPicture(form, pictures, row.picture);
      form.SetVisible(row.bar, true);
    } else if (LoadPictureInto(form, pictures, row.picture, path)) {
      form.SetVisible(row.bar, false);
    }
    // A file that cannot be read leaves the row as it was.
  }
}

}  // namespace kelvara
