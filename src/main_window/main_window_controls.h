#pragma once

#include <array>

#include "ui/form.h"

namespace kelvara {

// The controls of `frmDTMn` the behaviour works on, found once when the
// window is made; members bear the design names.
struct MainWindowControls {
  explicit MainWindowControls(ui::Form& form);

  // The analog clock: faces and hands.
  ui::Control& ClockBk;
  ui::Control& ClockImage;
  ui::Control& LineH;
  ui::Control& LineM;
  ui::Control& LineS;

  // The moon: Mp[age] is the picture `Mp<age>`, then the age's number.
  std::array<ui::Control*, 30> Mp;
  ui::Control& lblMAge;

  // Date and time.
  ui::Control& lblDate;
  ui::Control& lblTime;

  // The meter rows: bar, picture twin, frame.
  ui::Control& PrscrTime;
  ui::Control& CpuI;
  ui::Control& PrscrTotal;
  ui::Control& RamT;
  ui::Control& MemI;
  ui::Control& RamTotal;
  ui::Control& PFT;
  ui::Control& PFI;
  ui::Control& PFTotal;
  ui::Control& DiskTime;
  ui::Control& DscI;
  ui::Control& DiskTotal;
  ui::Control& DSpce;
  ui::Control& DspI;
  ui::Control& DSTotal;

  // The rows' names, percentages and amounts.
  ui::Control& Label1;
  ui::Control& Label2;
  ui::Control& Label7;
  ui::Control& Label3;
  ui::Control& Label4;
  ui::Control& lblCPer;
  ui::Control& lblRPer;
  ui::Control& lblPFPer;
  ui::Control& lblDPer;
  ui::Control& lblDSPer;
  ui::Control& lblRamT;
  ui::Control& Label5;
  ui::Control& lblRTotal;
  ui::Control& lblPTime;
  ui::Control& Label8;
  ui::Control& lblPTotal;

  // The position strip.
  ui::Control& PstnMove;
  ui::Control& cmdPstnSave;
  ui::Control& cmdFstPstn;

  // Hidden working captions, buttons pressed from code and the timers.
  ui::Control& lblC;
  ui::Control& lblD;
  ui::Control& lblDs;
  ui::Control& lblMClr;
  ui::Control& cmdSave;
  ui::Control& cmdReset;
  ui::Control& cmdClose;
  ui::Control& Command1;
  ui::Control& Command2;
  ui::Control& TmrNN;
  ui::Control& TmrRN;
  ui::Control& TmrNP;
  ui::Control& TmrRP;
  ui::Control& TmrRS;

  // The window's variables.
  ui::Control& OsVer;
  ui::Control& UName;
  ui::Control& CDir;
  ui::Control& Fil;
  ui::Control& txtYY;
  ui::Control& txtMM;
  ui::Control& txtDD;
  ui::Control& txtFDay;
  ui::Control& txtYY2;
  ui::Control& txtMM2;
  ui::Control& txtAll;
  ui::Control& txtAge;

  // The settings fields the behaviour reads or fills in.
  ui::Control& WTop;
  ui::Control& WLeft;
  ui::Control& AllClor;
  ui::Control& DATEClor;
  ui::Control& TimeClor;
  ui::Control& CClor;
  ui::Control& RClor;
  ui::Control& DClor;
  ui::Control& DSClor;
  ui::Control& PClor;
  ui::Control& BClor;
  ui::Control& MClor;
  ui::Control& HClor;
  ui::Control& SClor;
  ui::Control& MAClor;
  ui::Control& CVw;
  ui::Control& MVw;
  ui::Control& MAgeVw;
  ui::Control& PFVw;
  ui::Control& ClSW;
  ui::Control& ClFntN;
  ui::Control& ClFntSt;
  ui::Control& FSize;
  ui::Control& ClImage;
  ui::Control& CpuImg;
  ui::Control& MemImg;
  ui::Control& PFImg;
  ui::Control& DscImg;
  ui::Control& DspImg;
  ui::Control& RTUl;
  ui::Control& PFUl;
};

}  // namespace kelvara
