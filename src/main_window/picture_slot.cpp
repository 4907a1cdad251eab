#include "main_window/picture_slot.h"

namespace kelvara {

void SwapPicture(ui::Form& form, platform::Pictures& pictures, ui::Control& control,
                 ui::PictureId picture) {
  const ui::PictureId previous = control.picture;
  form.SetPicture(control, picture);
  if (previous != 0 && previous != picture) pictures.Release(previous);
}

bool LoadPictureInto(ui::Form& form, platform::Pictures& pictures, ui::Control& control,
                     std::string_view path) {
  const platform::LoadedPicture loaded = pictures.Load(path);
  if (loaded.id == 0) return false;
  SwapPicture(form, pictures, control, loaded.id);
  return true;
}

void ClearPicture(ui::Form& form, platform::Pictures& pictures, ui::Control& control) {
  if (control.picture == 0) return;
  SwapPicture(form, pictures, control, 0);
}

}  // namespace kelvara
