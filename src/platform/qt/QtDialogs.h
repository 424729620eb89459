#pragma once

#include <QStringList>
#include <functional>

#include "platform/Dialogs.h"

class QDialog;
class QWidget;

namespace rw {

// Qt name filters for the "|"-separated pairs form: each pair becomes
// "display (pattern pattern ...)", with "*.*" written "*" so that it also
// matches names without a dot. A pair without patterns is left out.
QStringList QtNameFilters(const std::string& filter);

// The modal dialogs and the shell on Qt Widgets.
class QtDialogs final : public IDialogs, public IShell {
  public:
    explicit QtDialogs(QWidget* parent);

    // Called with each modal dialog once it is on screen and its event loop
    // runs, before the user can act; tests drive the dialog from here.
    std::function<void(QDialog*)> onDialogShown;

    std::string OpenFile(const std::string& filter, const std::string& title,
                         const std::optional<std::string>& initialFolder) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& initial) override;
    MessageAnswer MessageOkCancel(const std::string& text, const std::string& title) override;

    // Throws PlatformError when no handler takes the address.
    void OpenUrl(const std::string& url) override;

  private:
    int Run(QDialog& dialog);

    QWidget* parent_;
};

}  // namespace rw
