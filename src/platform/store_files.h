#pragma once

#include <string>

#include "store/user_data_store.h"

namespace kelvara::platform {

// The file side of the user data store, behind an interface so that tests can
// make any step fail. `PortableStoreFiles` is the real one on every system.
class StoreFiles {
 public:
  virtual ~StoreFiles() = default;
  virtual bool Exists(const std::string& path) = 0;
  virtual StoreStatus CreateFolder(const std::string& path) = 0;
  virtual StoreStatus CreateFile(const std::string& path) = 0;
  virtual StoreStatus Count(const std::string& path, int& records) = 0;
  virtual StoreStatus Read(const std::string& path, SettingsRecord& record) = 0;
  virtual StoreStatus Write(const std::string& path, const SettingsRecord& record) = 0;
  // Clears a read-only or hidden mark so the file can be saved again.
  virtual void MakeNormal(const std::string& path) = 0;
};

class PortableStoreFiles final : public StoreFiles {
 public:
  bool Exists(const std::string& path) override;
  StoreStatus CreateFolder(const std::string& path) override;
  StoreStatus CreateFile(const std::string& path) override;
  StoreStatus Count(const std::string& path, int& records) override;
  StoreStatus Read(const std::string& path, SettingsRecord& record) override;
  StoreStatus Write(const std::string& path, const SettingsRecord& record) override;
  void MakeNormal(const std::string& path) override;
};

}  // namespace kelvara::platform
