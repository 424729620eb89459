#pragma once

#include <array>
#include <functional>
#include <string>

#include "platform/Window.h"

class QAction;
class QMenuBar;

namespace rw {

constexpr int kMenuItemCount = static_cast<int>(Menu::HelpAbout) + 1;

// The main window's menu tree: File, Movie and Help on a menu bar, one QAction
// per item, the item's free text slot (`Tag`) kept in the action's data.
class QtMenus final {
  public:
    // Builds the three menus on `bar`; a triggered item is reported to
    // `onTriggered`.
    QtMenus(QMenuBar* bar, std::function<void(Menu)> onTriggered);

    // Throws PlatformError for a value outside the menu tree.
    QAction* Action(Menu item) const;

    bool Checked(Menu item) const;
    void SetChecked(Menu item, bool on);
    bool Visible(Menu item) const;
    void SetVisible(Menu item, bool on);
    // A separator's caption is "-", as in the menu definition.
    std::string Caption(Menu item) const;
    void SetCaption(Menu item, const std::string& caption);
    std::string Tag(Menu item) const;
    void SetTag(Menu item, const std::string& tag);

  private:
    void Triggered(Menu item, QAction* action, bool checkedNow);

    std::array<QAction*, kMenuItemCount> actions_{};
    // Captions as the logic gave them; the actions show them readably.
    std::array<std::string, kMenuItemCount> captions_{};
    std::function<void(Menu)> onTriggered_;
};

}  // namespace rw
