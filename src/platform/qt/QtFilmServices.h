#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FilmServices.h"

class QMenu;
class QWidget;
template <typename T>
class QFutureWatcher;

namespace rw {

// Set (true) on an item of the menu on the movie whose caption is a name
// from the movie or the system, not the program's text (MenuEntry).
inline constexpr const char* kCaptionIsNameProperty = "reelwickCaptionIsName";

// The film commands' desktop services on Qt Widgets: the menu on the movie
// (a QMenu built from the logic's entries), the Save Frame dialog, the
// Pictures folder, and folders listed on a worker thread.
class QtFilmServices final : public QObject, public IFilmServices {
  public:
    using Listed = std::function<void(const std::string& folder, std::vector<std::string> names)>;

    // `parent`: the window the menu and dialogs belong to; `listed` hears of
    // each folder listed.
    QtFilmServices(QWidget* parent, Listed listed);
    ~QtFilmServices() override;

    // Where the next menu opens, in global coordinates; none: under the
    // pointer.
    void SetMenuAnchor(std::optional<QPoint> global) { anchor_ = global; }
    // The movie and the logo shown in its place, over whose centre a menu
    // asked from the keyboard opens.
    void SetMovieArea(QWidget* player, QWidget* logo);
    // The menu while it is open, for tests.
    QMenu* OpenMenu() const { return open_; }

    std::optional<Action> PopupMenu(const std::vector<MenuEntry>& entries, bool overMovie) override;
    std::string SaveFileName(const std::string& title, const std::string& initialPath,
                             const std::string& filter) override;
    std::string OpenFileName(const std::string& title, const std::string& initialFolder,
                             const std::string& filter) override;
    bool IsPresentation(const std::string& path) override;
    std::string PicturesFolder() override;
    void ListFolder(const std::string& folder, const std::string& alsoExtension) override;

  private:
    QPoint MovieCentre() const;
    QWidget* MenuParent() const;

    QPointer<QWidget> parent_, player_, logo_;
    Listed listed_;
    std::optional<QPoint> anchor_;
    QPointer<QMenu> open_;
    QFutureWatcher<std::vector<std::string>>* reader_ = nullptr;
};

}  // namespace rw
