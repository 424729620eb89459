#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Commands.h"

namespace rw {

// One entry of the menu on the movie: an item, a separator, or a submenu
// (an entry with children).
struct MenuEntry {
    std::string caption;  // empty: a separator
    Action action;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    // The caption is a name the movie or the system gives (a track's title,
    // a sound device), shown as it is in every language.
    bool captionIsName = false;
    std::vector<MenuEntry> children;

    bool IsSeparator() const { return caption.empty(); }
    bool IsSubmenu() const { return !children.empty(); }
};

// What the film commands need of the desktop beyond the window's own
// services. Any operation may throw PlatformError.
class IFilmServices {
  public:
    virtual ~IFilmServices() = default;

    // Shows the menu on the movie where the pointer is (`overMovie`: over
    // the movie, as when opened from the keyboard) and returns the chosen
    // item's action; none when it was closed without a choice.
    virtual std::optional<Action> PopupMenu(const std::vector<MenuEntry>& entries,
                                            bool overMovie) = 0;
    // A Save File dialog starting at `initialPath`; the chosen path, or
    // empty text when cancelled. A name chosen without the extension of the
    // filter's first pattern gets it, and a file of the name returned is
    // replaced only when the user said so in the dialog.
    virtual std::string SaveFileName(const std::string& title, const std::string& initialPath,
                                     const std::string& filter) = 0;
    // An Open File dialog for a file that goes with the movie (subtitles):
    // unlike File > Open it leaves the current folder, which the folder list
    // shows, as it is. The chosen path, or empty text when cancelled.
    virtual std::string OpenFileName(const std::string& title, const std::string& initialFolder,
                                     const std::string& filter) = 0;
    // Whether the file is a SMIL presentation by its content (a .smi file
    // is that or SAMI subtitles); false for anything that cannot be read.
    virtual bool IsPresentation(const std::string& path) = 0;
    // The desktop's Pictures folder (the home folder where there is none).
    virtual std::string PicturesFolder() = 0;
    // Starts listing the movie files of `folder` off the GUI thread, in the
    // folder list's order: the Open dialog's kinds of file, and those with
    // the extension `alsoExtension` (the playing movie's, so that a folder
    // of .mkv episodes plays through). The names come back later (see
    // FilmControls::FolderListed); a newer request replaces an older one.
    virtual void ListFolder(const std::string& folder, const std::string& alsoExtension) = 0;
};

}  // namespace rw
