#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace rw {

// The mouse on the movie, for the film: a right click on the movie or the
// logo opens the menu on the movie, and the wheel over the movie sets the
// volume. (The film's keys go through the window's key router.) Installed
// on the application, it leaves every event it does not act on to the
// window.
class FilmInput final : public QObject {
  public:
    // `window`: the main window; `player`, `logo`: where a right click opens
    // the menu.
    FilmInput(QWidget* window, QWidget* player, QWidget* logo);

    // Opens the menu on the movie at a global position.
    std::function<void(QPoint at)> onMenu;
    // The wheel turned over the movie, in notches (positive: away from the
    // user).
    std::function<void(double notches)> onWheel;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Within(const QObject* watched, const QWidget* area) const;

    QPointer<QWidget> window_, player_, logo_;
};

}  // namespace rw
