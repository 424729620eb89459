#pragma once

#include <functional>

#include "platform/PictureControls.h"

namespace rw {

class MpvSession;

// The picture controls over a libmpv session. libmpv stretches the picture
// over the rectangle the window gives it, so a chosen shape reaches the
// window as the movie's display size (libmpv reports it with the shape
// applied), and a turn as the player's own (see MpvPlayer::ShownWidth).
// Nothing is set while a control stays at its default: a movie watched as
// it is costs no filter and no extra work.
class MpvPicture final : public IPictureControls {
  public:
    // `changed`: the turn or the fill changed, and where the picture goes
    // with it.
    MpvPicture(MpvSession& mpv, std::function<void()> changed)
        : mpv_(mpv), changed_(std::move(changed)) {}

    // With OpenGL libmpv turns and colours the picture; the software
    // renderer has it turned when painted and coloured by a filter.
    void UseOpenGl(bool gl) { gl_ = gl; }

    PictureState State() const override { return state_; }
    void Set(const PictureState& state) override;

    // Another movie is about to load: every control at its default again.
    void Reset();
    // The playing movie's frames say whether they are interlaced: in
    // Automatic, the first interlaced one turns deinterlacing on for the
    // rest of the movie (deinterlaced frames no longer say so).
    void FramesInterlaced(bool interlaced);

    // libmpv was told to deinterlace the picture.
    bool Deinterlacing() const { return deinterlacing_; }
    int Turn() const { return state_.rotation; }
    bool Fills() const { return state_.fill; }

  private:
    void Apply(const PictureState& to);
    void ApplyDeinterlace();

    MpvSession& mpv_;
    std::function<void()> changed_;
    bool gl_ = false;
    PictureState state_;
    bool interlacedSeen_ = false;
    bool deinterlacing_ = false;  // what libmpv was last told
};

}  // namespace rw
