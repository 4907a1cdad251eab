#include "ui/menu.h"

#include <stdexcept>
#include <utility>

namespace kelvara::ui {
namespace {

const MenuItem* Search(const MenuItem& item, std::string_view name) {
  if (item.name == name) return &item;
  for (const MenuItem& child : item.children) {
    if (const MenuItem* found = Search(child, name)) return found;
  }
  return nullptr;
}

// The item when it and every item on the way down to it can be used.
MenuItem* Reachable(MenuItem& item, std::string_view name) {
  if (!item.visible || !item.enabled) return nullptr;
  if (item.name == name) return &item;
  for (MenuItem& child : item.children) {
    if (MenuItem* found = Reachable(child, name)) return found;
  }
  return nullptr;
}

}  // namespace

Menu::Menu(MenuItem root) : root_(std::move(root)) {}

const MenuItem* Menu::Find(std::string_view name) const { return Search(root_, name); }

MenuItem& Menu::operator[](std::string_view name) {
  const MenuItem* found = Find(name);
  if (found == nullptr) throw std::out_of_range("no menu item " + std::string(name));
  return const_cast<MenuItem&>(*found);
}

bool Menu::Choose(std::string_view name) {
  MenuItem* item = Reachable(root_, name);
  if (item == nullptr || !item->children.empty() || !item->on_click) return false;
  item->on_click();
  return true;
}

}  // namespace kelvara::ui
