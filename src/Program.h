#pragma once

#include <memory>
#include <string>

#include "platform/StdFileSystem.h"
#include "window/Form.h"
#include "window/FormEvents.h"

namespace rw {

class MpvPlayer;
class QtWindow;
class QtSettingsStore;
class QtDialogs;

// The real platform wired to the main window's logic: what main() runs, and
// what the integration tests start in-process.
class Program {
  public:
    // settingsFile empty: the user's configuration folder.
    explicit Program(std::string commandLine, std::string settingsFile = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Form_Load, then shows the window when no movie did.
    void Start();
    bool Unloaded() const;

    QtWindow& Window() { return *window_; }
    MpvPlayer& Player() { return *player_; }
    Form& MainForm() { return *form_; }
    QtSettingsStore& Settings() { return *settings_; }

  private:
    class Tracker;
    MpvPlayer* player_;  // owned by the window
    std::unique_ptr<QtWindow> window_;
    std::unique_ptr<QtSettingsStore> settings_;
    StdFileSystem files_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<Form> form_;
    std::unique_ptr<FormEvents> handlers_;
    std::unique_ptr<Tracker> tracker_;
};

}  // namespace rw
