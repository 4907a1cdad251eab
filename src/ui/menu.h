#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara::ui {

// One item of a menu tree: a command when it has no children, a submenu
// otherwise.
struct MenuItem {
  std::string name;
  std::string caption;
  std::vector<MenuItem> children;
  bool visible = true;
  bool enabled = true;
  std::function<void()> on_click;
};

// A menu tree as data. Items never move after construction, so the behaviour
// may keep references to them.
class Menu {
 public:
  explicit Menu(MenuItem root);
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  const MenuItem& root() const { return root_; }
  // The item of that name anywhere in the tree; a missing name is a
  // programming error and throws std::out_of_range.
  MenuItem& operator[](std::string_view name);
  const MenuItem* Find(std::string_view name) const;

  // Runs the click handler of a chosen command. Only a command the user can
  // reach acts: it and every menu above it visible and enabled. True when a
  // handler ran.
  bool Choose(std::string_view name);

 private:
  MenuItem root_;
};

}  // namespace kelvara::ui
