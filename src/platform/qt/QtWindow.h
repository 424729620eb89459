#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <memory>
#include <optional>

#include "platform/Window.h"
#include "platform/qt/FileList.h"
#include "platform/qt/KeyPreview.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/Text.h"

namespace rw {

// The main window formReelwick on Qt Widgets: a menu bar over a black client
// area that holds the folder file list `files`, the logo `Image1` and the
// player's widget, all placed absolutely by the logic. The logic's units are
// twips; here 1440 / the screen's logical DPI twips make one pixel.
class QtWindow final : public QMainWindow, public IWindow {
    Q_OBJECT

  public:
    // `player` is the movie player's widget; the window takes it over.
    explicit QtWindow(QWidget* player, QWidget* parent = nullptr);
    ~QtWindow() override;

    // Where the window reports its events; nullptr stops reporting.
    void SetEvents(IFormEvents* events) {
        events_ = events;
        keys_->SetEvents(events);
    }

    // The window's parts, for the host program and tests.
    QAction* MenuAction(Menu item) const { return menus_->Action(item); }
    FileList* FilesList() const { return files_; }
    QWidget* Logo() const { return logo_; }
    QWidget* Player() const { return player_; }
    KeyPreview& Keys() { return *keys_; }

    std::string Caption() override { return ToStdString(windowTitle()); }
    void SetCaption(const std::string& caption) override { setWindowTitle(ToQString(caption)); }
    void Show() override {
        show();
        raise();
    }
    void Close() override { close(); }
    void ProcessEvents() override { QCoreApplication::processEvents(); }

    WindowState State() override;
    void SetState(WindowState state) override;
    RectTwips Placement() override;
    void MoveWindow(double left, double top, double width, double height) override;
    void SetOuterHeight(double height) override;
    double ClientWidth() override;
    double ClientHeight() override;
    double TwipsPerPixelX() override;
    double TwipsPerPixelY() override;
    double ScreenWidth() override;
    double ScreenHeight() override;
    std::vector<RectTwips> Screens() override;
    double TitleBarHeight() override;
    void SetTopMost(bool on) override;
    bool FullScreen() override { return windowState().testFlag(Qt::WindowFullScreen); }
    void SetFullScreen(bool on) override;

    bool Checked(Menu item) override { return menus_->Checked(item); }
    void SetChecked(Menu item, bool on) override { menus_->SetChecked(item, on); }
    bool Visible(Menu item) override { return menus_->Visible(item); }
    void SetVisible(Menu item, bool on) override { menus_->SetVisible(item, on); }
    std::string ItemCaption(Menu item) override { return menus_->Caption(item); }
    void SetItemCaption(Menu item, const std::string& caption) override {
        menus_->SetCaption(item, caption);
    }
    std::string Tag(Menu item) override { return menus_->Tag(item); }
    void SetTag(Menu item, const std::string& tag) override { menus_->SetTag(item, tag); }

    bool FilesVisible() override { return !files_->isHidden(); }
    void SetFilesVisible(bool on) override {
        if (on) files_->ReadOnce();
        files_->setVisible(on);
    }
    void MoveFiles(double left, double top, double width, double height) override {
        PlaceControl(files_, left, top, width, height);
    }
    std::string FilesPath() override { return ToStdString(files_->Folder()); }
    void SetFilesPath(const std::string& folder) override { files_->SetFolder(ToQString(folder)); }
    int FilesListIndex() override { return files_->ListIndex(); }
    std::string FilesFileName() override { return ToStdString(files_->FileName()); }
    void FocusFiles() override { files_->TakeFocus(); }

    void SetLogoVisible(bool on) override { logo_->setVisible(on); }
    double LogoWidth() override { return logo_->width() * TwipsPerPixelX(); }
    double LogoHeight() override { return logo_->height() * TwipsPerPixelY(); }
    void MoveLogo(double left, double top) override;

    void ShowPlayer() override { player_->show(); }
    void MovePlayer(double left, double top, double width, double height) override {
        PlaceControl(player_, left, top, width, height);
        emit PlayerPlaced();
    }

  signals:
    // The layout has placed the player; any movie rectangle it had is stale.
    void PlayerPlaced();
    // The window went full screen or came back, by the program or by the
    // window manager.
    void FullScreenChanged(bool on);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool DragOrDrop(QObject* receiver, QEvent* event);
    QRect PixelRect(double left, double top, double width, double height);
    void PlaceControl(QWidget* control, double left, double top, double width, double height);
    QMargins KnownFrameMargins() const;
    void PlaceOuter(const QRect& outer);
    void CorrectFirstFrame();
    void ApplyTopMost(bool on);
    // Full screen (QtFullScreen.cpp).
    void NoteNormalFrame();
    QRect NormalOuter() const;
    void SyncFullScreen();
    void SettleFromFullScreen();
    void EndSettling();

    QWidget* client_;
    QWidget* player_;
    QWidget* logo_;  // a LogoWidget
    FileList* files_;
    std::unique_ptr<QtMenus> menus_;
    IFormEvents* events_ = nullptr;
    bool unloaded_ = false;

    bool shownOnce_ = false;
    std::optional<QRect> pendingOuter_;
    std::optional<bool> topMostWhenShown_;

    // The frame of the window in its normal state, which a full-screen
    // window has none of; and whether the window is laid out for full screen.
    QMargins normalFrame_;
    bool fullScreenShown_ = false;
    // The normal geometry (inside the frame) the window had when it went full
    // screen; and while it comes back to it, that geometry (see
    // SettleFromFullScreen), with a count that tells stale timeouts apart.
    std::optional<QRect> fullScreenFrom_;
    std::optional<QRect> settleTo_;
    int settleSerial_ = 0;
    // Whether the window was maximized when it went full screen. (The X11
    // plugin reports a full-screen window as full screen only.)
    bool maximizedUnder_ = false;

    std::unique_ptr<KeyPreview> keys_;
};

}  // namespace rw
