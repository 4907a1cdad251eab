#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "settings/settings_controls.h"
#include "ui/form.h"
#include "ui/window_set.h"

namespace kelvara {

class MainWindow;

// The settings dialog `frmSetup`: a working copy of the main window's
// settings, edited through swatches, pickers and switches, and saved back
// through the main window's own save and reset. Handlers keep their design
// names; their bodies live in files by concern (load, colours, pictures,
// fonts, saving).
class SettingsDialog final : public ui::Window {
 public:
  SettingsDialog(MainWindow& main, platform::Platform& platform, ui::WindowSet& windows);
  ~SettingsDialog() override;
  SettingsDialog(const SettingsDialog&) = delete;
  SettingsDialog& operator=(const SettingsDialog&) = delete;

  ui::Form& form() override { return form_; }
  const ui::Form& form() const { return form_; }
  // A field of the working copy (or any text control) by name.
  const std::string& Text(std::string_view field) const { return form_[field].caption; }

  // Loading.
  void Form_Load() override;
  void Form_Unload() override;
  void LoadSamples();
  void ApplyClkKind();

  // Colours: the item whose key is in `CSet`, and the two colour modes.
  void PickClor();
  void Check1_Click();
  void Check2_Click();

  // Pictures: the group whose key is in `GrpSW`.
  void PickImg();
  void Check3_Click();
  void Command27_Click();  // the built-in clock face and hands again

  // The digital clock's font.
  void Command17_Click();
  void PickFnt();
  void ShowFntSample();

  // Help, saving and closing.
  void Label30_Click();
  void SaveToMain();      // "保存"
  void Command5_Click();  // "キャンセル"
  void cmdUnld_Click();   // "閉じる"

 private:
  // One colour item: its key, buttons, swatch and field; the hands also
  // colour their line, and two items carry the transparent colour along.
  // The per-item mode's items come in the order the dialog loads and saves
  // them.
  struct ColourItem {
    const char* key;
    ui::Control& set;
    ui::Control* clear;
    ui::Control& swatch;
    ui::Control* field;  // none: the swatch itself holds the colour
    ui::Control* hand;
    bool moves_transparency;
    bool per_item = false;  // coloured in the per-item mode, not by "all"
  };
  // One picture group: its key, buttons, preview and field. The clock face
  // comes first, then the meters in the order the load and the same-for-all
  // box take them.
  struct PictureGroup {
    const char* key;
    ui::Control& browse;
    ui::Control* clear;
    ui::Control& preview;
    ui::Control& field;
  };

  void WireHandlers();
  void Set(ui::Control& field, std::string_view text) { form_.SetCaption(field, text); }
  bool IsVistaOrLater() const;

  // Load steps.
  void CopyFromMain();
  void PlaceForVersion();
  void ShowSwitch(ui::Control& box, bool shown);
  void ShowFontRow(bool shown);

  // Colours.
  void Paint(ui::Control& swatch, ui::Colour colour);
  void PaintIfSet(ui::Control& swatch, const ui::Control& field);
  void ClearClor(const ColourItem& item);
  void MoveTransparency(ui::Colour colour);
  void ChooseColourMode(ui::Control& chosen, ui::Control& other);
  void ClearColourMode(bool all_items);
  void ApplyHandColour(ui::Control& line, const ui::Control& field);

  // Pictures.
  // The meters' groups, CPU first.
  std::span<const PictureGroup> Meters() const { return std::span(pictures_).subspan(1); }
  // Whether the store keeps `path` unchanged in every group's field; if not,
  // the user is told why.
  bool PathFitsStore(std::span<const PictureGroup> groups, const std::string& path);
  bool ShowPictures(std::span<const PictureGroup> groups, const std::string& path);
  bool LoadPicture(ui::Control& preview, std::string_view path);
  void ClearPicture(ui::Control& preview);
  void ClearPictureGroup(const PictureGroup& group);
  void ReportUnreadablePicture(const std::string& path, const std::string& reason);

  // Saving.
  bool TotalsAccepted();
  void CopyToMain();
  void FillUnsetColours();

  MainWindow& main_;
  platform::Platform& platform_;
  ui::WindowSet& windows_;
  ui::Form form_;
  SetupControls c_;
  std::array<ColourItem, 13> colours_;
  std::array<PictureGroup, 6> pictures_;
  bool loaded_ = false;         // the version query answered: a working copy is held
  bool choosing_mode_ = false;  // a mode box is being set from its own handler
};

}  // namespace kelvara
