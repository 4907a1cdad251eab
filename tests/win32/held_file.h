#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

namespace kelvara {

// Holds `file` open as a sync client or a virus scanner does: reading and
// writing shared, deleting not, so nothing can replace it meanwhile. A thread
// of its own lets go `time` later; dropping the result waits for that.
std::shared_ptr<void> HoldWithoutDeleteSharing(const std::filesystem::path& file,
                                               std::chrono::milliseconds time);

}  // namespace kelvara
