#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/counters.h"
#include "platform/memory_blocks.h"
#include "platform/message_pump.h"
#include "platform/messages.h"
#include "platform/pickers.h"
#include "platform/pictures.h"
#include "platform/popup_menus.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/store_files.h"
#include "platform/system_info.h"
#include "platform/tray.h"

namespace kelvara::platform {

// Everything the behaviour asks of the operating system, in one place to hand
// around. The host owns the real ones; tests own a fake.
struct Platform {
  Clock& clock;
  SystemInfo& system;
  CounterSource& counters;
  Tray& tray;
  Messages& messages;
  Process& process;
  Pictures& pictures;
  StoreFiles& store;
  Shell& shell;
  Clipboard& clipboard;
  MemoryBlocks& memory;
  MessagePump& pump;
  PopupMenus& popups;
  Pickers& pickers;
};

}  // namespace kelvara::platform
