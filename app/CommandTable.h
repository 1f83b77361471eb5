#pragma once
#include <span>

namespace qorvane {

class TFrmmain;

// One entry of the main menu, in menu order. A separator has no caption.
struct MenuCommand {
  const char* menu;        // the submenu it belongs to, e.g. "系统(&S)"
  const char* submenu;     // a nested submenu inside it, or nullptr
  const char* objectName;  // the item's name on the form
  const char* caption;     // nullptr for a separator
  const char* hint;        // nullptr: the caption without its trailing dots
  void (TFrmmain::*handler)();  // nullptr: the item does nothing
  const char* icon;        // a resource path, or nullptr
};

// The six submenus in order, and every item of the menu bar.
std::span<const char* const> MainMenuTitles();
std::span<const MenuCommand> MainMenuCommands();

}  // namespace qorvane
