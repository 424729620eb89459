#include "film/LoopAB.h"

#include <cmath>

namespace rw {
namespace {

// Closer than this, two points are one frame of the same place (a second
// press of Set B while paused): no loop of that length is meant.
constexpr double kSamePlace = 0.02;

}  // namespace

LoopState LoopStateOf(const LoopPoints& points) {
    if (points.a && points.b) return LoopState::Looping;
    return points.a || points.b ? LoopState::ASet : LoopState::None;
}

LoopPoints LoopAfter(const LoopPoints& points, LoopStep step, double position) {
    if (step == LoopStep::Next) {
        switch (LoopStateOf(points)) {
            case LoopState::None:
                step = LoopStep::SetA;
                break;
            case LoopState::ASet:
                step = LoopStep::SetB;
                break;
            case LoopState::Looping:
                step = LoopStep::Clear;
                break;
        }
    }
    if (step == LoopStep::Clear) return {};
    if (!std::isfinite(position) || position < 0) return points;
    if (step == LoopStep::SetA) {
        if (points.b && position < *points.b - kSamePlace) return {position, points.b};
        return {position, std::nullopt};
    }
    const double a = points.a.value_or(0);
    if (std::abs(position - a) < kSamePlace) return points;
    if (position < a) return {position, a};
    return {a, position};
}

}  // namespace rw
