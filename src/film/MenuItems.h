#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/FilmServices.h"

namespace rw {

// The parts the menu on the movie is built of: an item, a check item, a
// submenu (a separator is an empty MenuEntry).
inline MenuEntry Item(std::string caption, Action action, bool enabled = true) {
    MenuEntry entry;
    entry.caption = std::move(caption);
    entry.action = action;
    entry.enabled = enabled;
    return entry;
}

inline MenuEntry Check(std::string caption, Action action, bool checked, bool enabled = true) {
    MenuEntry entry = Item(std::move(caption), action, enabled);
    entry.checkable = true;
    entry.checked = checked;
    return entry;
}

inline MenuEntry Submenu(std::string caption, std::vector<MenuEntry> children,
                         bool enabled = true) {
    MenuEntry entry;
    entry.caption = std::move(caption);
    entry.children = std::move(children);
    entry.enabled = enabled;
    return entry;
}

}  // namespace rw
