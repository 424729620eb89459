#include "film/VideoMenu.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "film/PictureCommands.h"

namespace rw {
namespace {

// The captions of kAspects, in its order.
constexpr const char* kAspectCaptions[] = {"Automatic", "4:3", "16:9", "16:10", "1.85:1", "2.35:1"};
static_assert(std::size(kAspectCaptions) == std::size(kAspects));

MenuEntry Item(std::string caption, Action action, bool enabled) {
    MenuEntry entry;
    entry.caption = std::move(caption);
    entry.action = action;
    entry.enabled = enabled;
    return entry;
}

MenuEntry Check(std::string caption, Action action, bool checked, bool enabled) {
    MenuEntry entry = Item(std::move(caption), action, enabled);
    entry.checkable = true;
    entry.checked = checked;
    return entry;
}

MenuEntry Submenu(std::string caption, std::vector<MenuEntry> children) {
    MenuEntry entry;
    entry.caption = std::move(caption);
    entry.children = std::move(children);
    return entry;
}

// "Brightness Up" and "Brightness Down" of one picture value.
void AddUpDown(std::vector<MenuEntry>& menu, const char* name, Command command, bool on) {
    menu.push_back(Item(std::string(name) + " Up", {command, 1}, on));
    menu.push_back(Item(std::string(name) + " Down", {command, -1}, on));
}

}  // namespace

std::string AspectCaption(double aspect) {
    for (std::size_t i = 0; i < std::size(kAspects); ++i)
        if (SameAspect(aspect, kAspects[i])) return kAspectCaptions[i];
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
        Item("Zoom In", {Command::ZoomBy, 1}, on),
        Item("Zoom Out", {Command::ZoomBy, -1}, on),
        MenuEntry{},
        Item("Move Left", {Command::PanX, -1}, on && zoomed),
        Item("Move Right", {Command::PanX, 1}, on && zoomed),
        Item("Move Up", {Command::PanY, -1}, on && zoomed),
        Item("Move Down", {Command::PanY, 1}, on && zoomed),
        MenuEntry{},
        Check("Fill Window", {Command::FillWindow}, state.fill, on),
        Item("Reset", {Command::ResetZoom},
             on && (zoomed || state.fill || state.panX != 0 || state.panY != 0)),
    };

    std::vector<MenuEntry> turns;
    for (int turn : {0, 90, 180, 270}) {
        turns.push_back(Check(std::to_string(turn) + "°", {Command::SetRotation, double(turn)},
                              state.rotation == turn, on));
    }

    std::vector<MenuEntry> deinterlace;
    const std::pair<const char*, Deinterlace> ways[] = {
        {"Automatic", Deinterlace::Automatic}, {"On", Deinterlace::On}, {"Off", Deinterlace::Off}};
    for (const auto& [caption, way] : ways) {
        deinterlace.push_back(Check(caption,
                                    {Command::SetDeinterlace, double(static_cast<int>(way))},
                                    state.deinterlace == way, on));
    }

    std::vector<MenuEntry> picture;
    AddUpDown(picture, "Brightness", Command::BrightnessBy, on);
    AddUpDown(picture, "Contrast", Command::ContrastBy, on);
    AddUpDown(picture, "Saturation", Command::SaturationBy, on);
    AddUpDown(picture, "Gamma", Command::GammaBy, on);
    picture.push_back(MenuEntry{});
    picture.push_back(Item("Reset", {Command::ResetPictureValues},
                           on && state.values != decltype(state.values){}));

    return Submenu("Video", {Submenu("Aspect Ratio", std::move(aspects)),
                             Submenu("Zoom", std::move(zoom)), Submenu("Rotate", std::move(turns)),
                             Submenu("Deinterlace", std::move(deinterlace)),
                             Submenu("Picture", std::move(picture))});
}

}  // namespace rw
