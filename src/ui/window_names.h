#pragma once

namespace kelvara {

// Every window of the program by its design name; the window set loads the
// secondary ones by these.
inline constexpr const char* kMainWindowName = "frmDTMn";
inline constexpr const char* kMenuFormName = "frmDTMnMenu";
inline constexpr const char* kMemoryReleaseName = "frmMClr";
inline constexpr const char* kSetupName = "frmSetup";
inline constexpr const char* kLauncherName = "frmLnchr";
inline constexpr const char* kVersionDialogName = "frmVInfo";

}  // namespace kelvara
