#pragma once

#include <optional>

#include "platform/Commands.h"
#include "platform/PictureControls.h"
#include "platform/PlayerControls.h"

namespace rw {

// The shapes of the Aspect Ratio menu and of the A key, in their order:
// the file's own (0), 4:3, 16:9, 16:10, 1.85:1, 2.35:1.
inline constexpr double kAspects[] = {0, 4.0 / 3, 16.0 / 9, 16.0 / 10, 1.85, 2.35};
// How far Zoom In and Out, a move of the zoomed picture, and a step of a
// picture value go; how far the zoom goes each way (1/4 to 8 times).
inline constexpr double kZoomStep = 0.1;
inline constexpr double kZoomMin = -2;
inline constexpr double kZoomMax = 3;
inline constexpr double kPanStep = 0.05;
inline constexpr int kPictureStep = 5;
inline constexpr int kPictureLimit = 100;

// The shape after `current` in kAspects, back to the file's own after the
// last; a shape not in the list goes to the file's own.
double NextAspect(double current);
// Whether two shapes are the same entry of kAspects.
bool SameAspect(double a, double b);
// The zoom moved `steps` steps, kept within kZoomMin to kZoomMax and rounded
// to the step; an unusable number gives no zoom.
double ZoomAfter(double zoom, double steps);
// How far the picture may move each way at `zoom`: a picture zoomed in
// moves until its edge reaches the area's edge, one zoomed out until it
// reaches it from inside; not at all at its own size.
double PanLimit(double zoom);
// The move `pan` after `steps` steps, within PanLimit(zoom).
double PanAfter(double pan, double steps, double zoom);
// A picture value after `steps` steps of kPictureStep, within -100 to 100.
int PictureValueAfter(int value, double steps);
// A quarter turn of 0, 90, 180 or 270 degrees; anything else, 0.
int QuarterTurn(double degrees);

// The state after a picture command; none for a command that is not one.
std::optional<PictureState> PictureAfter(const PictureState& state, Action action);

// Runs a picture command on the player's picture, each step that fails
// skipped; false for a command that is not one.
bool RunPictureCommand(IPlayerControls& player, Action action);

}  // namespace rw
