#pragma once

#include <string>

#include "platform/FilmServices.h"
#include "platform/PictureControls.h"

namespace rw {

// The Video submenu of the menu on the movie: Aspect Ratio, Zoom, Rotate,
// Deinterlace and Picture, checked as `state` stands; its items do nothing
// and are greyed without a picture.
MenuEntry BuildVideoMenu(const PictureState& state, bool hasPicture);

// The caption of a shape of the Aspect Ratio menu: "Automatic" for the
// file's own, "16:9"; a shape not in the menu as "1.66:1".
std::string AspectCaption(double aspect);

}  // namespace rw
