#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace kelvara::ui {

// A secondary window of the program: its form and its load step.
class Window {
 public:
  virtual ~Window() = default;
  virtual Form& form() = 0;
  // Runs once per load, after the window is registered as loaded, so that
  // whatever it lets run meanwhile finds the window already there.
  virtual void Form_Load() {}
  // Runs once per unload, whoever unloads it, before the host lets it go:
  // the place to give back what the window holds of the platform.
  virtual void Form_Unload() {}

  // False once the set has unloaded this object. A handler that comes back
  // from a nested message loop (a message box, a picker, a shell dialog)
  // checks it: its window may have been unloaded, and loaded afresh, meanwhile.
  bool loaded() const { return loaded_; }

 private:
  friend class WindowSet;
  bool loaded_ = false;
};

// The host's view of the set: it creates, raises and destroys the real
// windows. Visibility changes reach it through the form's own observer.
class WindowSetObserver {
 public:
  virtual ~WindowSetObserver() = default;
  virtual void Loaded(Form& form) = 0;
  virtual void BroughtForward(Form& form) = 0;
  virtual void Unloaded(Form& form) = 0;
};

// The program's secondary windows by name, each made afresh for every load
// from its factory. An unloaded window's object is kept until `Collect`, which
// only the top-level message loop calls: a handler of it may still be on the
// stack inside a nested loop, however often its name is loaded again meanwhile.
class WindowSet {
 public:
  using Factory = std::function<std::unique_ptr<Window>()>;

  void Register(std::string name, Factory factory);
  void Subscribe(WindowSetObserver* observer) { observer_ = observer; }

  // Loads the window when it is not loaded, without showing it. A name never
  // registered is a programming error and throws std::out_of_range.
  Window& Load(std::string_view name);
  // Modeless: loads and shows the window, or only brings an open one forward.
  void Show(std::string_view name);
  // Nothing happens when the window is not loaded.
  void Unload(std::string_view name);
  // A window unloading itself: nothing happens unless it is still the one
  // loaded, so a stale handler never closes its fresh successor.
  void Unload(const Window& window);
  // Frees the objects of unloaded windows. Only where no handler can be
  // running: the top-level message loop, between messages.
  void Collect() { unloaded_.clear(); }

  bool IsLoaded(std::string_view name) const;
  // The loaded window of that name, or none.
  Window* Find(std::string_view name);

 private:
  struct Slot {
    Factory factory;
    std::unique_ptr<Window> window;  // the loaded one, or none
  };
  Slot& At(std::string_view name);
  void Unload(Slot& slot);

  std::map<std::string, Slot, std::less<>> slots_;
  std::vector<std::unique_ptr<Window>> unloaded_;
  WindowSetObserver* observer_ = nullptr;
};

}  // namespace kelvara::ui
