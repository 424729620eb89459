#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Player.h"
#include "platform/SettingsStore.h"
#include "platform/Step.h"
#include "platform/Window.h"
#include "window/Form.h"

namespace rw::test {

// Every fake appends what it was asked to one shared journal, so tests can
// check the order of calls across services.
using Journal = std::vector<std::string>;

class FakeWindow final : public IWindow {
  public:
    explicit FakeWindow(Journal& j);
    Journal& journal;

    std::string caption = "Ostrun's Reelwick";
    bool shown = false;
    WindowState state = WindowState::Normal;
    RectTwips placement{0, 0, 5385, 5115};  // outer size of the initial window
    double clientWidth = 5205, clientHeight = 4260;
    double tppX = 15, tppY = 15;
    double screenWidth = 19200, screenHeight = 16200;
    std::vector<RectTwips> screens{{0, 0, 19200, 16200}};
    double titleBar = 450;
    bool topMost = false;
    std::map<Menu, bool> checked, visible;
    std::map<Menu, std::string> captions, tags;
    bool filesVisible = false, logoVisible = true, playerVisible = false;
    std::string filesPath;
    int listIndex = -1;
    std::string fileName;
    double logoWidth = 1605, logoHeight = 1560;
    std::optional<RectTwips> logoPos, filesRect, playerRect;
    // Operations listed here throw PlatformError.
    std::set<std::string> failing;
    // Runs inside ProcessEvents, to model events queued meanwhile.
    std::vector<std::function<void()>> pendingEvents;
    // Refuse MoveWindow with these sizes or beyond.
    double maxExtent = 1e7;

    std::string Caption() override;
    void SetCaption(const std::string& c) override;
    void Show() override;
    void Close() override;
    void ProcessEvents() override;
    WindowState State() override;
    void SetState(WindowState s) override;
    RectTwips Placement() override;
    void MoveWindow(double l, double t, double w, double h) override;
    void SetOuterHeight(double h) override;
    double ClientWidth() override;
    double ClientHeight() override;
    double TwipsPerPixelX() override { return tppX; }
    double TwipsPerPixelY() override { return tppY; }
    double ScreenWidth() override { return screenWidth; }
    double ScreenHeight() override { return screenHeight; }
    std::vector<RectTwips> Screens() override { return screens; }
    double TitleBarHeight() override { return titleBar; }
    void SetTopMost(bool on) override;
    bool FullScreen() override;
    void SetFullScreen(bool on) override;
    bool Checked(Menu m) override;
    void SetChecked(Menu m, bool on) override;
    bool Visible(Menu m) override;
    void SetVisible(Menu m, bool on) override;
    std::string ItemCaption(Menu m) override { return captions[m]; }
    void SetItemCaption(Menu m, const std::string& c) override { captions[m] = c; }
    std::string Tag(Menu m) override;
    void SetTag(Menu m, const std::string& t) override { tags[m] = t; }
    bool FilesVisible() override { return filesVisible; }
    void SetFilesVisible(bool on) override;
    void MoveFiles(double l, double t, double w, double h) override {
        filesRect = RectTwips{l, t, w, h};
    }
    std::string FilesPath() override;
    void SetFilesPath(const std::string& f) override;
    int FilesListIndex() override { return listIndex; }
    std::string FilesFileName() override { return fileName; }
    void FocusFiles() override;
    void SetLogoVisible(bool on) override;
    double LogoWidth() override { return logoWidth; }
    double LogoHeight() override { return logoHeight; }
    void MoveLogo(double l, double t) override;
    void ShowPlayer() override;
    void MovePlayer(double l, double t, double w, double h) override;

    // Outer height minus client height, for SetOuterHeight.
    double frameHeight = 855;
    // Called after the client size changed through SetOuterHeight or
    // SetFullScreen.
    std::function<void()> onResize;

    // Full screen as a window manager does it: the client area becomes the
    // whole screen and comes back as it was. State and placement stay those
    // of the window underneath, as the interface has it; the window refuses
    // to be sized meanwhile.
    bool fullScreen = false;
    double normalClientWidth = 0, normalClientHeight = 0;

  private:
    void MaybeFail(const std::string& op);
};

class FakePlayer final : public IPlayer {
  public:
    explicit FakePlayer(Journal& j) : journal(j) {}
    Journal& journal;
    std::string rect = "0,0,320,240";
    std::string reference;
    bool loadFails = false;
    std::set<std::string> failing;

    void Play() override { Log("Play"); }
    void Pause() override { Log("Pause"); }
    void Rewind() override { Log("Rewind"); }
    void SetBackground(const std::string& c) override { Log("SetBackground " + c); }
    void SetLoop(std::int32_t on) override { Log("SetLoop " + std::to_string(on)); }
    void SetController(std::int32_t on) override { Log("SetController " + std::to_string(on)); }
    void Load(const std::string& r) override;
    std::string Reference() override;
    // Logged as the window's layout once wrote it: "left,top,right,bottom".
    void SetMovieRect(const PixelRect& r) override {
        Log("SetMovieRect " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
            std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
    std::string MovieRect() override;

  private:
    void Log(const std::string& entry);
};

class FakeSettings final : public ISettingsStore {
  public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> reads, writes;  // "Section/Key"
    bool failAll = false;

    std::optional<std::string> Read(const std::string& s, const std::string& k) override;
    void Write(const std::string& s, const std::string& k, const std::string& v) override;
    // What another copy of the program stores meanwhile reaches `values`
    // here, as a reloaded file would.
    std::function<void()> onReload;
    int reloads = 0;
    void Reload() override;
    std::optional<std::string> Get(const std::string& s, const std::string& k) const;
};

class FakeFileSystem final : public IFileSystem {
  public:
    std::map<std::string, std::uintmax_t> files;  // path -> length
    std::string current = "/home/u/Movies";
    std::uintmax_t FileLength(const std::string& path) override;
    std::string CurrentFolder() override { return current; }
    void SetCurrentFolder(const std::string& f) override { current = f; }
};

class FakeDialogs final : public IDialogs, public IShell {
  public:
    explicit FakeDialogs(Journal& j) : journal(j) {}
    Journal& journal;
    std::string openFileResult;
    std::string inputResult;
    MessageAnswer answer = MessageAnswer::Ok;
    bool messageFails = false;
    std::string lastFilter, lastTitle, lastPrompt, lastInitial, lastMessage;
    std::vector<std::string> opened;

    std::string OpenFile(const std::string& filter, const std::string& title,
                         const std::optional<std::string>& initialFolder) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& initial) override;
    MessageAnswer MessageOkCancel(const std::string& text, const std::string& title) override;
    void OpenUrl(const std::string& url) override;
};

// A form wired to fresh fakes.
struct Rig {
    Journal journal;
    FakeWindow window{journal};
    FakePlayer player{journal};
    FakeSettings settings;
    FakeFileSystem files;
    FakeDialogs dialogs{journal};
    Form form{Platform{window, player, settings, files, dialogs, dialogs}};

    // Journal entries that start with the prefix, in order.
    std::vector<std::string> Calls(const std::string& prefix = "") const;
};

}  // namespace rw::test
