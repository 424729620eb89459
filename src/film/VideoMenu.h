#pragma once

#include "platform/FilmServices.h"
#include "platform/PictureControls.h"

namespace rw {

// The Video submenu of the menu on the movie: Aspect Ratio, Zoom, Rotate,
// Deinterlace and Picture, checked as `state` stands; its items do nothing
// and are greyed without a picture.
MenuEntry BuildVideoMenu(const PictureState& state, bool hasPicture);

}  // namespace rw
