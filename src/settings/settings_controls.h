#pragma once

#include "ui/form.h"

namespace kelvara {

// The controls of `frmSetup` the behaviour works on, found once when the
// dialog is made; members bear the design names.
struct SetupControls {
  explicit SetupControls(ui::Form& form);

  // Colour modes and the frames they switch.
  ui::Control& Check1;
  ui::Control& Check2;
  ui::Control& Frame3;
  ui::Control& Frame4;

  // Swatches.
  ui::Control& Text1;
  ui::Control& Text2;
  ui::Control& Text3;
  ui::Control& Text4;
  ui::Control& Text5;
  ui::Control& Text6;
  ui::Control& Text7;
  ui::Control& Text8;
  ui::Control& Bc;
  ui::Control& Hc;
  ui::Control& Mc;
  ui::Control& Sc;
  ui::Control& MAClor;

  // Colour buttons: set, then clear.
  ui::Control& Command1;
  ui::Control& Command13;
  ui::Control& Command14;
  ui::Control& Command2;
  ui::Control& Command3;
  ui::Control& Command34;
  ui::Control& Command11;
  ui::Control& Command4;
  ui::Control& Command21;
  ui::Control& Command19;
  ui::Control& Command18;
  ui::Control& Command20;
  ui::Control& Command36;
  ui::Control& Command7;
  ui::Control& Command15;
  ui::Control& Command16;
  ui::Control& Command8;
  ui::Control& Command9;
  ui::Control& Command35;
  ui::Control& Command12;
  ui::Control& Command10;

  // Pictures: the same-for-all box, browse and clear buttons, previews.
  ui::Control& Check3;
  ui::Control& Command22;
  ui::Control& Command23;
  ui::Control& Command24;
  ui::Control& Command32;
  ui::Control& Command25;
  ui::Control& Command26;
  ui::Control& Command30;
  ui::Control& Command31;
  ui::Control& Command33;
  ui::Control& Command28;
  ui::Control& Command29;
  ui::Control& Command27;
  ui::Control& CpuI;
  ui::Control& MemI;
  ui::Control& PFI;
  ui::Control& DscI;
  ui::Control& DspI;
  ui::Control& ClockBk;
  ui::Control& ClockImage;

  // The clock preview, the font row and the clock rows it moves.
  ui::Control& LineH;
  ui::Control& LineM;
  ui::Control& LineS;
  ui::Control& lblTime;
  ui::Control& Command17;
  ui::Control& ClFntN;
  ui::Control& ClFntSt;
  ui::Control& FSize;
  ui::Control& Label7;
  ui::Control& Label9;
  ui::Control& Label10;
  ui::Control& Label11;
  ui::Control& Label14;
  ui::Control& Label20;
  ui::Control& ClImage;

  // Switches, totals, help and the bottom row.
  ui::Control& cboCVw;
  ui::Control& ClSw;
  ui::Control& cboMVw;
  ui::Control& cboMAgeVw;
  ui::Control& Combo1;
  ui::Control& RTUl;
  ui::Control& PFUl;
  ui::Control& Label30;
  ui::Control& Command6;
  ui::Control& Command5;
  ui::Control& cmdUnld;

  // The working copy's hidden fields and the transient keys.
  ui::Control& Fil;
  ui::Control& WTop;
  ui::Control& WLeft;
  ui::Control& AllClor;
  ui::Control& DATEClor;
  ui::Control& TimeClor;
  ui::Control& CClor;
  ui::Control& RClor;
  ui::Control& PClor;
  ui::Control& DClor;
  ui::Control& DSClor;
  ui::Control& BClor;
  ui::Control& HClor;
  ui::Control& MClor;
  ui::Control& SClor;
  ui::Control& CVw;
  ui::Control& MVw;
  ui::Control& MAgeVw;
  ui::Control& PFVw;
  ui::Control& CpuImg;
  ui::Control& MemImg;
  ui::Control& PFImg;
  ui::Control& DscImg;
  ui::Control& DspImg;
  ui::Control& CSet;
  ui::Control& GrpSW;
  ui::Control& OsVer;
};

}  // namespace kelvara
