#include "app/program.h"

#include <memory>
#include <optional>
#include <string_view>

#include "app/resource_ids.h"
#include "main_window/main_window.h"
#include "platform/memory_blocks.h"
#include "platform/platform.h"
#include "platform/store_files.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/clock.h"
#include "platform/win32/counters.h"
#include "platform/win32/host/font_names.h"
#include "platform/win32/host/form_host.h"
#include "platform/win32/host/message_pump.h"
#include "platform/win32/host/popup_menus.h"
#include "platform/win32/host/tray_icon.h"
#include "platform/win32/host/window_hosts.h"
#include "platform/win32/live_gdi.h"
#include "platform/win32/messages.h"
#include "platform/win32/pickers.h"
#include "platform/win32/pictures.h"
#include "platform/win32/process.h"
#include "platform/win32/raii.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "program/program_windows.h"

namespace kelvara::app {
namespace {

namespace host = win32::host;

// The program's icon at the size a DPI wants for that metric, for the windows.
[[nodiscard]] win32::UniqueIcon LoadProgramIcon(HINSTANCE instance, int metric_x, int metric_y,
                                                UINT dpi) {
  return win32::UniqueIcon(static_cast<HICON>(LoadImageW(
      instance, MAKEINTRESOURCEW(IDI_KELVARA), IMAGE_ICON, GetSystemMetricsForDpi(metric_x, dpi),
      GetSystemMetricsForDpi(metric_y, dpi), LR_DEFAULTCOLOR)));
}

// Everything of one run, in the order it must be made; members end in the
// reverse order, so every window goes before the form it shows.
class Program {
 public:
  explicit Program(HINSTANCE instance)
      : instance_(instance),
        large_icon_(LoadProgramIcon(instance, SM_CXICON, SM_CYICON, GetDpiForSystem())),
        small_icon_(LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON, GetDpiForSystem())),
        tray_(instance, MAKEINTRESOURCEW(IDI_KELVARA)),
        messages_([this](std::string_view form) { return hosts_.Find(form); }),
        shell_([this](std::string_view form) { return hosts_.Find(form); }),
        popups_([this](std::string_view form) { return hosts_.Find(form); }),
        pickers_([this](std::string_view form) { return hosts_.Find(form); }),
        platform_{clock_, system_, counters_,  tray_,   messages_, process_, pictures_,
                  store_, shell_,  clipboard_, memory_, pump_,     popups_,  pickers_},
        main_(platform_),
        windows_(main_, platform_),
        hosts_(instance, fonts_, pictures_, {large_icon_.get(), small_icon_.get()}) {}

  int Run();

 private:
  [[nodiscard]] bool Wire();
  void ReloadIcons(int dpi);

  HINSTANCE instance_;
  win32::UniqueIcon large_icon_;
  win32::UniqueIcon small_icon_;
  win32::Win32Clock clock_;
  win32::Win32SystemInfo system_;
  win32::Win32Counters counters_;
  host::TrayIcon tray_;
  win32::Win32Messages messages_;
  win32::Win32Process process_;
  win32::Win32Pictures pictures_;
  platform::PortableStoreFiles store_;
  win32::Win32Shell shell_;
  win32::Win32Clipboard clipboard_;
  platform::PortableMemoryBlocks memory_;
  host::Win32MessagePump pump_;
  host::Win32PopupMenus popups_;
  win32::Win32Pickers pickers_;
  platform::Platform platform_;
  MainWindow main_;
  ProgramWindows windows_;
  host::FontNames fonts_;
  host::WindowHosts hosts_;
};

int Program::Run() {
  if (!Wire()) return 1;
  main_.Form_Load();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!hosts_.Navigate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    // No handler is running here: what was unloaded can go.
    hosts_.Collect();
    windows_.windows().Collect();
  }
  return 0;
}

bool Program::Wire() {
  host::FormHost* window = hosts_.AddMain(main_.form());
  if (window == nullptr) return false;
  tray_.Attach(window->window());
  tray_.on_mouse = [this](int mouse_message) { windows_.tray().Form_MouseMove(mouse_message); };
  window->extra_messages = [this](UINT message, WPARAM w, LPARAM l) {
    if (const std::optional<LRESULT> live = win32::AnswerLiveGdiObjects(message, w, l)) return live;
    return tray_.HandleMessage(message, w, l);
  };
  // Closing the monitor window (log-off, a close command) unloads it, and
  // the program is that window.
  window->on_close = [this] {
    main_.Form_Unload();
    process_.Quit();
  };
  window->on_dpi_changed = [this](int dpi) { ReloadIcons(dpi); };
  pump_.navigate = [this](MSG& message) { return hosts_.Navigate(message); };
  hosts_.Serve(windows_.windows());
  return true;
}

void Program::ReloadIcons(int dpi) {
  win32::UniqueIcon large = LoadProgramIcon(instance_, SM_CXICON, SM_CYICON, dpi);
  win32::UniqueIcon small = LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON, dpi);
  if (!large || !small) return;
  // The tray icon is the taskbar's, not this window's: it reloads itself.
  hosts_.SetIcons({large.get(), small.get()});
  // The old ones go only now that nothing shows them.
  large_icon_ = std::move(large);
  small_icon_ = std::move(small);
}

}  // namespace

int Run(HINSTANCE instance) {
  const auto program = std::make_unique<Program>(instance);
  return program->Run();
}

}  // namespace kelvara::app
