#include "platform/mpv/MpvPicture.h"

#include <string>

#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/MpvSession.h"
#include "platform/mpv/pure/PictureOptions.h"

namespace rw {
namespace {

// libmpv's own names of the colour controls, by PictureValue.
constexpr const char* kValueNames[kPictureValueCount] = {"brightness", "contrast", "saturation",
                                                         "gamma"};

}  // namespace

void MpvPicture::Set(const PictureState& state) { Apply(state); }

void MpvPicture::Reset() {
    interlacedSeen_ = false;
    Apply(PictureState());
    ApplyDeinterlace();
}

void MpvPicture::FramesInterlaced(bool interlaced) {
    if (!interlaced || interlacedSeen_) return;
    interlacedSeen_ = true;
    ApplyDeinterlace();
}

// Only what differs from the state libmpv has is sent.
void MpvPicture::Apply(const PictureState& to) {
    const PictureState from = state_;
    state_ = to;
    if (to.aspect != from.aspect) {
        mpv_.SetText("video-aspect-override", AspectOverrideText(to.aspect).c_str());
    }
    const bool moved = to.zoom != 0 || to.panX != 0 || to.panY != 0 || to.fill;
    const bool wasMoved = from.zoom != 0 || from.panX != 0 || from.panY != 0 || from.fill;
    // libmpv zooms, moves and crops only a picture whose shape it keeps; the
    // rectangle has that shape anyway, but for the one fill asks for.
    if (moved != wasMoved) mpv_.SetText("keepaspect", moved ? "yes" : "no");
    if (to.zoom != from.zoom) mpv_.SetNumber("video-zoom", to.zoom);
    if (to.panX != from.panX) mpv_.SetNumber("video-pan-x", to.panX);
    if (to.panY != from.panY) mpv_.SetNumber("video-pan-y", to.panY);
    if (to.fill != from.fill) mpv_.SetNumber("panscan", to.fill ? 1.0 : 0.0);
    // The software renderer turns the picture as it paints it (libmpv's
    // would abort on a turned picture).
    if (gl_ && (to.rotation != from.rotation)) {
        mpv_.SetText("video-rotate", std::to_string(to.rotation).c_str());
    }
    if (to.deinterlace != from.deinterlace) ApplyDeinterlace();
    if (to.values != from.values) {
        if (gl_) {
            for (std::size_t i = 0; i < kPictureValueCount; ++i) {
                // Whole numbers, which libmpv takes only as such (or as text).
                if (to.values[i] != from.values[i]) {
                    mpv_.SetText(kValueNames[i], std::to_string(to.values[i]).c_str());
                }
            }
        } else {
            mpv_.SetText("vf", EqualizerFilter(to.values).c_str());
        }
    }
    if (to.rotation != from.rotation || to.fill != from.fill) changed_();
}

void MpvPicture::ApplyDeinterlace() {
    const bool on = state_.deinterlace == Deinterlace::On ||
                    (state_.deinterlace == Deinterlace::Automatic && interlacedSeen_);
    if (on == deinterlacing_) return;
    deinterlacing_ = on;
    mpv_.SetFlag("deinterlace", on);
}

// The display size as shown: turned as the watcher asked.
int MpvPlayer::ShownWidth() const {
    return Turned(load_.Width(), load_.Height(), picture_.Turn()).width;
}

int MpvPlayer::ShownHeight() const {
    return Turned(load_.Width(), load_.Height(), picture_.Turn()).height;
}

}  // namespace rw
