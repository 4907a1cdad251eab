#include "version_dialog/version_dialog_design.h"

#include <string>
#include <utility>

#include "ui/controls.h"

namespace kelvara {
namespace {

using ui::Alignment;
using ui::Colour;
using ui::Control;
using ui::ControlKind;
using ui::Font;
using ui::Rect;
using ui::Rgb;

constexpr const char* kGothic = ui::kGothicFont;

Control Picture(const char* name, Rect rect, const char* resource) {
  return ui::MakePicture(name, rect, resource, true);
}

Control Label(const char* name, std::string caption, Rect rect, Colour fore, Alignment alignment,
              Font font) {
  return ui::MakeLabel(name, std::move(caption), rect, alignment, std::move(font), fore);
}

}  // namespace

ui::FormWindow VersionDialogFrame() {
  ui::FormWindow w;
  w.caption = "バージョン情報";
  // Designed by its client area; the system's frame comes around it.
  w.rect = {0, 0, 4695, 3015};
  w.client_sized = true;
  w.back = Rgb(236, 236, 208);
  return w;
}

std::vector<Control> VersionDialogDesign() {
  std::vector<Control> out;
  out.push_back(Picture("Image1", {240, 165, 1200, 1200}, "logo"));
  // The pale title under the blue one, 60 twips right and down: its shadow.
  const Font title{kGothic, 36, true, false};
  out.push_back(Label("Label1", "TavoroⅡ", {1720, 240, 2895, 855}, Rgb(192, 207, 233),
                      Alignment::kLeft, title));
  out.push_back(Label("Label2", "TavoroⅡ", {1660, 180, 2895, 855}, Rgb(111, 189, 253),
                      Alignment::kLeft, title));
  out.push_back(Label("Label3", "ver 3.3", {1960, 1040, 2175, 480}, Rgb(255, 128, 0),
                      Alignment::kCentre, {kGothic, 20.25f, true, false}));
  out.push_back(Label("Label5", kProjectAddress, {120, 2040, 4455, 255}, Rgb(0, 0, 255),
                      Alignment::kCentre, {"Comic Sans MS", 9.75f, true, false}));
  out.push_back(Label("Label4", "作者 / kelvara", {1920, 1710, 2295, 375}, Rgb(128, 128, 128),
                      Alignment::kCentre, {kGothic, 12, false, false}));
  // Shows nothing: it only takes the clicks meant for the address under it.
  Control overlay = Picture("Image2", {360, 2080, 3975, 255}, "");
  overlay.cursor = "hand";
  out.push_back(std::move(overlay));

  out.push_back(ui::MakeButton("Command1", "O K", {1800, 2520, 1095, 375},
                               {kGothic, 11.25f, false, false}, Rgb(224, 222, 224)));
  return out;
}

}  // namespace kelvara
