#include "film/VideoMenu.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "film/MenuItems.h"
#include "film/PictureCommands.h"
#include "platform/Tr.h"

namespace rw {
namespace {

// The captions of kAspects after the file's own shape (Automatic), in its
// order: ratios, written alike in every language.
constexpr const char* kShapeCaptions[] = {"4:3", "16:9", "16:10", "1.85:1", "2.35:1"};
static_assert(std::size(kShapeCaptions) + 1 == std::size(kAspects));

}  // namespace

std::string AspectCaption(double aspect) {
    for (std::size_t i = 0; i < std::size(kAspects); ++i)
        if (SameAspect(aspect, kAspects[i]))
            return i == 0 ? RW_TR("Menu on the movie", "Automatic") : kShapeCaptions[i - 1];
    char text[32];
    std::snprintf(text, sizeof text, "%.2f:1", aspect);
    return text;
}

MenuEntry BuildVideoMenu(const PictureState& state, bool hasPicture) {
    const bool on = hasPicture;
    std::vector<MenuEntry> aspects;
    for (std::size_t i = 0; i < std::size(kAspects); ++i) {
        aspects.push_back(Check(AspectCaption(kAspects[i]), {Command::SetAspect, kAspects[i]},
                                SameAspect(state.aspect, kAspects[i]), on));
    }

    const bool zoomed = state.zoom != 0;
    std::vector<MenuEntry> zoom = {
        Item(RW_TR("Menu on the movie", "Zoom In"), {Command::ZoomBy, 1}, on),
        Item(RW_TR("Menu on the movie", "Zoom Out"), {Command::ZoomBy, -1}, on),
        MenuEntry{},
        Item(RW_TR("Menu on the movie", "Move Left"), {Command::PanX, -1}, on && zoomed),
        Item(RW_TR("Menu on the movie", "Move Right"), {Command::PanX, 1}, on && zoomed),
        Item(RW_TR("Menu on the movie", "Move Up"), {Command::PanY, -1}, on && zoomed),
        Item(RW_TR("Menu on the movie", "Move Down"), {Command::PanY, 1}, on && zoomed),
        MenuEntry{},
        Check(RW_TR("Menu on the movie", "Fill Window"), {Command::FillWindow}, state.fill, on),
        Item(RW_TR("Menu on the movie", "Reset"), {Command::ResetZoom},
             on && (zoomed || state.fill || state.panX != 0 || state.panY != 0)),
    };

    std::vector<MenuEntry> turns;
    for (int turn : {0, 90, 180, 270}) {
        turns.push_back(Check(std::to_string(turn) + "°", {Command::SetRotation, double(turn)},
                              state.rotation == turn, on));
    }

    std::vector<MenuEntry> deinterlace;
    const std::pair<std::string, Deinterlace> ways[] = {
        {RW_TR("Menu on the movie", "Automatic"), Deinterlace::Automatic},
        {RW_TR("Menu on the movie", "On"), Deinterlace::On},
        {RW_TR("Menu on the movie", "Off"), Deinterlace::Off}};
    for (const auto& [caption, way] : ways) {
        deinterlace.push_back(Check(caption,
                                    {Command::SetDeinterlace, double(static_cast<int>(way))},
                                    state.deinterlace == way, on));
    }

    std::vector<MenuEntry> picture = {
        Item(RW_TR("Menu on the movie", "Brightness Up"), {Command::BrightnessBy, 1}, on),
        Item(RW_TR("Menu on the movie", "Brightness Down"), {Command::BrightnessBy, -1}, on),
        Item(RW_TR("Menu on the movie", "Contrast Up"), {Command::ContrastBy, 1}, on),
        Item(RW_TR("Menu on the movie", "Contrast Down"), {Command::ContrastBy, -1}, on),
        Item(RW_TR("Menu on the movie", "Saturation Up"), {Command::SaturationBy, 1}, on),
        Item(RW_TR("Menu on the movie", "Saturation Down"), {Command::SaturationBy, -1}, on),
        Item(RW_TR("Menu on the movie", "Gamma Up"), {Command::GammaBy, 1}, on),
        Item(RW_TR("Menu on the movie", "Gamma Down"), {Command::GammaBy, -1}, on),
        MenuEntry{},
        Item(RW_TR("Menu on the movie", "Reset"), {Command::ResetPictureValues},
             on && state.values != decltype(state.values){}),
    };

    return Submenu(RW_TR("Menu on the movie", "Video"),
                   {Submenu(RW_TR("Menu on the movie", "Aspect Ratio"), std::move(aspects)),
                    Submenu(RW_TR("Menu on the movie", "Zoom"), std::move(zoom)),
                    Submenu(RW_TR("Menu on the movie", "Rotate"), std::move(turns)),
                    Submenu(RW_TR("Menu on the movie", "Deinterlace"), std::move(deinterlace)),
                    Submenu(RW_TR("Menu on the movie", "Picture"), std::move(picture))});
}

}  // namespace rw
