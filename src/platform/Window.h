#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rw {

// Every menu item of the main window, in menu order.
enum class Menu {
    FileOpen,
    FileOpenURL,
    FileList,
    FileSep1,
    Recent0,
    Recent1,
    Recent2,
    Recent3,
    Recent4,
    Recent5,
    Recent6,
    Recent7,
    FileSep2,
    FileExit,
    MoviePlay,
    MoviePause,
    MovieRewind,
    MovieSep1,
    MovieControls,
    MovieLoop,
    PlayLastMovie,
    MovieSize,
    MovieSep2,
    MovieOnTop,
    HelpAbout,
};

// Highest index of the recent-item array mnuRecent.
constexpr int kRecentUpperBound = 7;

// mnuRecent(index); throws PlatformError outside 0..kRecentUpperBound.
Menu RecentItem(int index);

struct RectTwips {
    double left = 0, top = 0, width = 0, height = 0;
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// The main window, its three controls and its menu items, as the logic sees
// them. All geometry is in twips. Any operation may throw PlatformError.
class IWindow {
  public:
    virtual ~IWindow() = default;

    virtual std::string Caption() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void Show() = 0;
    // Asks the platform to close (unload) the window.
    virtual void Close() = 0;
    // One pass over pending window events.
    virtual void ProcessEvents() = 0;

    virtual WindowState State() = 0;
    virtual void SetState(WindowState state) = 0;
    // Outer placement: frame, caption and menu bar included.
    virtual RectTwips Placement() = 0;
    // Moves and sizes the window in one operation; throws when refused.
    virtual void MoveWindow(double left, double top, double width, double height) = 0;
    virtual void SetOuterHeight(double height) = 0;
    virtual double ClientWidth() = 0;
    virtual double ClientHeight() = 0;
    virtual double TwipsPerPixelX() = 0;
    virtual double TwipsPerPixelY() = 0;
    virtual double ScreenWidth() = 0;
    virtual double ScreenHeight() = 0;
    // The available areas of every screen.
    virtual std::vector<RectTwips> Screens() = 0;
    // Height of the title bar above the client area, for placement checks.
    virtual double TitleBarHeight() = 0;
    virtual void SetTopMost(bool on) = 0;
    // Full screen: the client area covers the whole screen, with no menu bar
    // and no frame. It is not a window state of its own: while it lasts,
    // State() and Placement() report the window as it was before (normal or
    // maximized, and its normal placement), which is what a later start
    // should bring back. The window is never sized by the program meanwhile.
    virtual bool FullScreen() = 0;
    virtual void SetFullScreen(bool on) = 0;

    virtual bool Checked(Menu item) = 0;
    virtual void SetChecked(Menu item, bool on) = 0;
    virtual bool Visible(Menu item) = 0;
    virtual void SetVisible(Menu item, bool on) = 0;
    virtual std::string ItemCaption(Menu item) = 0;
    virtual void SetItemCaption(Menu item, const std::string& caption) = 0;
    virtual std::string Tag(Menu item) = 0;
    virtual void SetTag(Menu item, const std::string& tag) = 0;

    // The folder file list `files`.
    virtual bool FilesVisible() = 0;
    virtual void SetFilesVisible(bool on) = 0;
    virtual void MoveFiles(double left, double top, double width, double height) = 0;
    virtual std::string FilesPath() = 0;
    virtual void SetFilesPath(const std::string& folder) = 0;
    virtual int FilesListIndex() = 0;
    virtual std::string FilesFileName() = 0;
    virtual void FocusFiles() = 0;

    // The logo `Image1`.
    virtual void SetLogoVisible(bool on) = 0;
    virtual double LogoWidth() = 0;
    virtual double LogoHeight() = 0;
    virtual void MoveLogo(double left, double top) = 0;

    // Host operations on the player control.
    virtual void ShowPlayer() = 0;
    virtual void MovePlayer(double left, double top, double width, double height) = 0;
};

// Where files were dropped.
enum class DropTarget { Form, Files, Image1 };

// What the window reports to the logic; each maps to one handler.
class IFormEvents {
  public:
    virtual ~IFormEvents() = default;
    virtual void OnResize() = 0;
    virtual void OnUnload() = 0;
    virtual void OnMenu(Menu item) = 0;
    // keyCode may be set to 0 to consume the release.
    virtual void OnKeyUp(std::int16_t& keyCode, std::int16_t shift) = 0;
    // A key pressed (or repeating) while no menu, dialog or focused folder
    // list takes it, read by where it is on the keyboard; true when it ran
    // a command, which keeps it from the focused control.
    virtual bool OnKeyDown(std::int16_t /*keyCode*/, std::int16_t /*shift*/) { return false; }
    // The dropped files as local paths, in drop order; empty when the drop
    // carried no files.
    virtual void OnDrop(DropTarget target, const std::vector<std::string>& files) = 0;
    virtual void OnFilesDblClick() = 0;
    virtual void OnFilesKeyDown(std::int16_t& keyCode, std::int16_t shift) = 0;
};

}  // namespace rw
