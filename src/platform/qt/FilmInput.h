#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/qt/KeyPreview.h"

namespace rw {

// The mouse and keys of the film commands, beside the window's own key
// preview: the menu on the movie opens on a right click on the movie or the
// logo, on the Menu key and on Shift+F10; the film's keys act on their press
// (auto-repeat too) while no menu, dialog or focused folder list takes
// them; the wheel over the movie sets the volume. Installed on the
// application after the window's own filter, it sees events first, and
// leaves every event it does not act on to the window.
class FilmInput final : public QObject {
  public:
    // `window`: the main window; `player`, `logo`: where a right click opens
    // the menu; `files`: the folder list.
    // `keys`: the window's key preview, which reads keys of any layout.
    FilmInput(QWidget* window, const KeyPreview& keys, QWidget* player, QWidget* logo,
              QWidget* files);

    // Opens the menu on the movie, at a global position (none: where the
    // pointer is).
    std::function<void(std::optional<QPoint> at)> onMenu;
    // A key press as the logic's key code and modifier bits
    // (platform/Keys.h); true when it acted on it, which keeps the key from
    // the window.
    std::function<bool(std::int16_t keyCode, std::int16_t shift)> onKey;
    // The wheel turned over the movie, in notches (positive: away from the
    // user).
    std::function<void(double notches)> onWheel;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool InWindow(const QObject* watched) const;
    bool Within(const QObject* watched, const QWidget* area) const;
    // No menu, dialog or focused folder list takes keys now.
    bool KeysAreOurs() const;
    QPoint MovieCentre() const;
    void MenuClosed();

    QPointer<QWidget> window_;
    const KeyPreview& keys_;
    QPointer<QWidget> player_, logo_, files_;
    // What had the focus before the menu bar took it.
    QPointer<QWidget> focusBeforeBar_;
};

}  // namespace rw
