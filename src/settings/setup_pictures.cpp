// The meter and clock-face pictures: choosing, clearing, the same picture for
// every meter, and the built-in clock again.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "main_window/figures.h"
#include "main_window/main_window.h"
#include "main_window/picture_slot.h"
#include "settings/settings_dialog.h"
#include "settings/setup_values.h"
#include "store/user_data_store.h"
#include "text/cp932.h"
#include "ui/window_names.h"

namespace kelvara {
namespace {

constexpr const char* kPictureFilter =
    "アイコン (*.ico)|*.ico|"
    "ビットマップ (*.bmp)|*.bmp|"
    "JPEGイメージ (*.JPG)|*.JPG|"
    "GIFイメージ (*.GIF)|*GIF|"
    "すべてのピクチャファイル (*.*)|*.*|";
constexpr int kAllPicturesEntry = 5;

// The bytes the store record keeps of a field.
std::size_t StoreWidth(std::string_view field) {
  for (const StoreField& stored : kStoreFields) {
    if (stored.name == field) return stored.width;
  }
  return 0;
}

}  // namespace

bool SettingsDialog::PathFitsStore(std::span<const PictureGroup> groups, const std::string& path) {
  // The store would write a character the code page lacks as "?" and cut a
  // path longer than its field; the preview would still look right until the
  // next load, so the choice is refused while the user can choose again.
  const std::string bytes = cp932::FromUtf8(path);
  std::size_t width = SIZE_MAX;
  for (const PictureGroup& group : groups) width = std::min(width, StoreWidth(group.field.name));
  std::string problem;
  if (cp932::ToUtf8(bytes) != path) {
    problem = "画像のパスに、保存できない文字が含まれています。";
  } else if (bytes.size() > width) {
    problem = "画像のパスが長すぎます (" + std::to_string(width) + " バイトまで)。";
  } else {
    return true;
  }
  platform_.messages.Show(kSetupName, problem + "\r" + path, kMessageTitle);
  return false;
}

bool SettingsDialog::LoadPicture(ui::Control& preview, std::string_view path) {
  return LoadPictureInto(form_, platform_.pictures, preview, path);
}

void SettingsDialog::ClearPicture(ui::Control& preview) {
  kelvara::ClearPicture(form_, platform_.pictures, preview);
}

void SettingsDialog::ClearPictureGroup(const PictureGroup& group) {
  ClearPicture(group.preview);
  Set(group.field, "");
}

void SettingsDialog::ReportUnreadablePicture(const std::string& path, const std::string& reason) {
  std::string text = "画像を読み込めませんでした。\r" + path;
  if (!reason.empty()) text += "\r" + reason;
  platform_.messages.Show(kSetupName, text, kMessageTitle);
}

bool SettingsDialog::ShowPictures(std::span<const PictureGroup> groups, const std::string& path) {
  // Every preview gets its own copy, and either all of them change or none.
  std::array<ui::PictureId, std::tuple_size_v<decltype(pictures_)>> loaded{};
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const platform::LoadedPicture picture = platform_.pictures.Load(path);
    if (picture.id == 0) {
      for (std::size_t j = 0; j < i; ++j) platform_.pictures.Release(loaded[j]);
      ReportUnreadablePicture(path, picture.error);
      return false;
    }
    loaded[i] = picture.id;
  }
  for (std::size_t i = 0; i < groups.size(); ++i) {
    SwapPicture(form_, platform_.pictures, groups[i].preview, loaded[i]);
    Set(groups[i].field, path);
  }
  return true;
}

void SettingsDialog::PickImg() {
  for (const PictureGroup& group : pictures_) {
    if (c_.GrpSW.caption != group.key) continue;
    const std::string path = platform_.pickers.PickFile(kSetupName, kPictureFilter,
                                                        kAllPicturesEntry, main_.Text("CDir"));
    if (!loaded()) return;    // closed while the picker was open
    if (path.empty()) break;  // cancelled
    const bool every_meter = &group.preview == &c_.CpuI && c_.Check3.checked;
    const std::span<const PictureGroup> groups = every_meter ? Meters() : std::span(&group, 1);
    const bool shown = PathFitsStore(groups, path) && ShowPictures(groups, path);
    if (shown && &group.preview == &c_.ClockImage) form_.SetVisible(c_.ClockBk, false);
    break;
  }
  Set(c_.GrpSW, "");
}

void SettingsDialog::Check3_Click() {
  if (!c_.Check3.checked || c_.CpuImg.caption.empty()) return;
  ShowPictures(Meters().subspan(1), c_.CpuImg.caption);
}

void SettingsDialog::Command27_Click() {
  Set(c_.ClImage, "");
  form_.SetVisible(c_.ClockBk, true);
  ClearPicture(c_.ClockImage);
  for (auto [line, field, swatch, colour] :
       {std::tuple{&c_.LineH, &c_.HClor, &c_.Hc, kHourHandColour},
        {&c_.LineM, &c_.MClor, &c_.Mc, kMinuteHandColour},
        {&c_.LineS, &c_.SClor, &c_.Sc, kSecondHandColour}}) {
    form_.SetFore(*line, colour);
    Set(*field, ColourText(colour));
    Paint(*swatch, colour);
  }
}

}  // namespace kelvara
