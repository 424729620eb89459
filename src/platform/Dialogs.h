#pragma once

#include <optional>
#include <string>

namespace rw {

enum class MessageAnswer { Ok, Cancel };

class IDialogs {
  public:
    virtual ~IDialogs() = default;
    // Modal Open File dialog over the main window. `filter` is the "|"-separated
    // pairs form. Returns the chosen path, or empty text on cancel.
    virtual std::string OpenFile(const std::string& filter, const std::string& title,
                                 const std::optional<std::string>& initialFolder) = 0;
    // Modal input box; returns the text on OK, empty text on cancel.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& initial) = 0;
    // Modal message with OK (default) and Cancel and the information icon.
    virtual MessageAnswer MessageOkCancel(const std::string& text, const std::string& title) = 0;
};

class IShell {
  public:
    virtual ~IShell() = default;
    // Opens a web address in the user's browser; does not wait.
    virtual void OpenUrl(const std::string& url) = 0;
};

}  // namespace rw
