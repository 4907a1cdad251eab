#pragma once

#include <array>
#include <optional>
#include <vector>

#include "platform/win32/counter_sampler.h"

namespace kelvara::win32::fakes {

using Script = std::vector<std::optional<double>>;
inline constexpr std::nullopt_t kNone = std::nullopt;

// Readings that say what the test scripted: per position whether it exists
// and its figure at each sample (the last one repeats). A position that the
// last collect did not want reads nothing.
class ScriptedReadings final : public CounterReadings {
 public:
  std::array<bool, 5> has{};
  std::array<Script, 5> script;
  int collects = 0;
  std::vector<Positions> wanted;  // per collect

  void Set(int position, bool present, Script figures) {
    has[static_cast<std::size_t>(position - 1)] = present;
    script[static_cast<std::size_t>(position - 1)] = std::move(figures);
  }

  bool Has(int position) const override { return has[static_cast<std::size_t>(position - 1)]; }
  void Collect(Positions positions) override {
    ++collects;
    wanted.push_back(positions);
  }
  std::optional<double> Read(int position) override {
    const Script& figures = script[static_cast<std::size_t>(position - 1)];
    if (figures.empty() || collects == 0) return std::nullopt;
    if (!wanted.back()[static_cast<std::size_t>(position - 1)]) return std::nullopt;
    const std::size_t sample = static_cast<std::size_t>(collects - 1);
    return figures[sample < figures.size() ? sample : figures.size() - 1];
  }
};

}  // namespace kelvara::win32::fakes
