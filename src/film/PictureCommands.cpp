#include "film/PictureCommands.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "platform/Step.h"

namespace rw {
namespace {

// Shapes within this of each other are one: 16:9 arrives from the player
// as a ratio of two whole numbers.
constexpr double kSameAspect = 0.005;

// Rounded to a thousandth, so that ten steps of a tenth make exactly one.
double Thousandths(double value) { return std::round(value * 1000) / 1000; }

PictureState WithValue(PictureState state, PictureValue which, double steps) {
    int& value = state.values[static_cast<std::size_t>(which)];
    value = PictureValueAfter(value, steps);
    return state;
}

}  // namespace

bool SameAspect(double a, double b) { return std::abs(a - b) < kSameAspect; }

double NextAspect(double current) {
    for (std::size_t i = 0; i + 1 < std::size(kAspects); ++i)
        if (SameAspect(current, kAspects[i])) return kAspects[i + 1];
    return kAspects[0];
}

double ZoomAfter(double zoom, double steps) {
    if (!std::isfinite(zoom) || !std::isfinite(steps)) return 0;
    return Thousandths(std::clamp(zoom + steps * kZoomStep, kZoomMin, kZoomMax));
}

double PanLimit(double zoom) {
    if (!std::isfinite(zoom)) return 0;
    // The picture is 2^zoom times the area: the part that sticks out (or
    // the room left) on each side, in parts of the picture's size.
    const double scale = std::exp2(zoom);
    return std::abs(1 - 1 / scale) / 2;
}

double PanAfter(double pan, double steps, double zoom) {
    const double limit = PanLimit(zoom);
    if (!std::isfinite(pan) || !std::isfinite(steps)) return 0;
    return std::clamp(Thousandths(pan + steps * kPanStep), -limit, limit);
}

int PictureValueAfter(int value, double steps) {
    if (!std::isfinite(steps)) return value;
    const double moved = value + std::round(steps) * kPictureStep;
    return static_cast<int>(std::clamp(moved, double{-kPictureLimit}, double{kPictureLimit}));
}

int QuarterTurn(double degrees) {
    for (int turn : {0, 90, 180, 270})
        if (degrees == turn) return turn;
    return 0;
}

std::optional<PictureState> PictureAfter(const PictureState& state, Action action) {
    PictureState next = state;
    const double v = action.value;
    switch (action.command) {
        case Command::SetAspect:
            next.aspect = std::isfinite(v) && v > 0 ? v : 0;
            return next;
        case Command::NextAspect:
            next.aspect = NextAspect(state.aspect);
            return next;
        case Command::ZoomBy:
            next.zoom = ZoomAfter(state.zoom, v);
            // A smaller zoom leaves less room to move in.
            next.panX = PanAfter(state.panX, 0, next.zoom);
            next.panY = PanAfter(state.panY, 0, next.zoom);
            return next;
        case Command::PanX:
            next.panX = PanAfter(state.panX, v, state.zoom);
            return next;
        case Command::PanY:
            next.panY = PanAfter(state.panY, v, state.zoom);
            return next;
        case Command::FillWindow:
            next.fill = !state.fill;
            return next;
        case Command::ResetZoom:
            next.zoom = next.panX = next.panY = 0;
            next.fill = false;
            return next;
        case Command::SetRotation:
            next.rotation = QuarterTurn(v);
            return next;
        case Command::SetDeinterlace:
            next.deinterlace = v == 1   ? Deinterlace::On
                               : v == 2 ? Deinterlace::Off
                                        : Deinterlace::Automatic;
            return next;
        case Command::ToggleDeinterlace:
            next.deinterlace =
                state.deinterlace == Deinterlace::On ? Deinterlace::Off : Deinterlace::On;
            return next;
        case Command::BrightnessBy:
            return WithValue(state, PictureValue::Brightness, v);
        case Command::ContrastBy:
            return WithValue(state, PictureValue::Contrast, v);
        case Command::SaturationBy:
            return WithValue(state, PictureValue::Saturation, v);
        case Command::GammaBy:
            return WithValue(state, PictureValue::Gamma, v);
        case Command::ResetPictureValues:
            next.values = {};
            return next;
        default:
            return std::nullopt;
    }
}

bool RunPictureCommand(IPlayerControls& player, Action action) {
    if (!PictureAfter(PictureState(), action)) return false;
    // Nothing to change without a picture.
    bool picture = false;
    Step([&] { picture = player.HasPicture(); });
    if (!picture) return true;
    Step([&] {
        IPictureControls& controls = player.Picture();
        if (const auto next = PictureAfter(controls.State(), action)) controls.Set(*next);
    });
    return true;
}

}  // namespace rw
