#pragma once

namespace kelvara {

// The secondary windows that the tray menu and its tools load by name.
inline constexpr const char* kMenuFormName = "frmDTMnMenu";
inline constexpr const char* kMemoryReleaseName = "frmMClr";
inline constexpr const char* kSetupName = "frmSetup";

}  // namespace kelvara
