#pragma once

#include <string>

#include "store/user_data_store.h"

namespace kelvara {

// Drops trailing spaces of every field; leading and inner spaces stay. Only
// tests want it: they compare a record read back with the one they wrote.
inline void TrimTrailingSpaces(SettingsRecord& record) {
  for (const StoreField& field : kStoreFields) {
    std::string& value = record.*field.member;
    value.erase(value.find_last_not_of(' ') + 1);
  }
}

}  // namespace kelvara
