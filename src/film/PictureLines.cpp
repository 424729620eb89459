#include "film/PictureLines.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "film/PictureCommands.h"
#include "film/VideoMenu.h"
#include "platform/Tr.h"

namespace rw {
namespace {

std::optional<PictureState> PictureOf(const Action& a, const FilmState& s) {
    if (!s.hasPicture) return std::nullopt;
    return PictureAfter(s.picture, a);
}

// How far from the middle, in hundredths of the picture's size.
std::string Percent(double pan) { return std::to_string(std::lround(std::abs(pan) * 100)); }

}  // namespace

std::string AspectLine(const Action& a, const FilmState& s) {
    const auto p = PictureOf(a, s);
    if (!p) return {};
    if (p->aspect == 0) return RW_TR("Line over the movie", "Aspect ratio: automatic");
    return Fill(RW_TR("Line over the movie", "Aspect ratio %1"), {AspectCaption(p->aspect)});
}

std::string ZoomLine(const Action& a, const FilmState& s) {
    const auto p = PictureOf(a, s);
    if (!p) return {};
    const std::string percent = std::to_string(std::lround(std::exp2(p->zoom) * 100));
    return Fill(RW_TR("Line over the movie", "Zoom %1%"), {percent});
}

std::string PanLine(const Action& a, const FilmState& s) {
    const auto p = PictureOf(a, s);
    if (!p || PanLimit(p->zoom) == 0) return {};
    std::string where;
    const auto add = [&](double pan, std::string less, std::string more) {
        if (std::lround(std::abs(pan) * 100) == 0) return;
        if (!where.empty()) where += ", ";
        where += Fill(pan < 0 ? less : more, {Percent(pan)});
    };
    add(p->panX, RW_TR("Line over the movie", "%1% left"),
        RW_TR("Line over the movie", "%1% right"));
    add(p->panY, RW_TR("Line over the movie", "%1% up"), RW_TR("Line over the movie", "%1% down"));
    if (where.empty()) return RW_TR("Line over the movie", "Picture centred");
    //: where the zoomed picture is: "10% right, 5% up"
    return Fill(RW_TR("Line over the movie", "Picture moved %1"), {where});
}

std::string FillLine(const Action& a, const FilmState& s) {
    const auto p = PictureOf(a, s);
    if (!p) return {};
    return p->fill ? RW_TR("Line over the movie", "Fill Window on")
                   : RW_TR("Line over the movie", "Fill Window off");
}

std::string RotationLine(const Action& a, const FilmState& s) {
    const auto p = PictureOf(a, s);
    if (!p) return {};
    if (p->rotation == 0) return RW_TR("Line over the movie", "Not rotated");
    return Fill(RW_TR("Line over the movie", "Rotated %1°"), {std::to_string(p->rotation)});
}

std::string DeinterlaceLine(const Action& a, const FilmState& s) {
    const auto p = PictureOf(a, s);
    if (!p) return {};
    switch (p->deinterlace) {
        case Deinterlace::On:
            return RW_TR("Line over the movie", "Deinterlace: on");
        case Deinterlace::Off:
            return RW_TR("Line over the movie", "Deinterlace: off");
        case Deinterlace::Automatic:
            break;
    }
    return RW_TR("Line over the movie", "Deinterlace: automatic");
}

std::string ValueLine(const Action& a, const FilmState& s) {
    const auto p = PictureOf(a, s);
    if (!p) return {};
    const auto value = [&](PictureValue which) {
        char text[16];
        std::snprintf(text, sizeof text, p->Value(which) == 0 ? "%d" : "%+d", p->Value(which));
        return std::string(text);
    };
    switch (a.command) {
        case Command::BrightnessBy:
            return Fill(RW_TR("Line over the movie", "Brightness %1"),
                        {value(PictureValue::Brightness)});
        case Command::ContrastBy:
            return Fill(RW_TR("Line over the movie", "Contrast %1"),
                        {value(PictureValue::Contrast)});
        case Command::SaturationBy:
            return Fill(RW_TR("Line over the movie", "Saturation %1"),
                        {value(PictureValue::Saturation)});
        case Command::GammaBy:
            return Fill(RW_TR("Line over the movie", "Gamma %1"), {value(PictureValue::Gamma)});
        default:
            return {};
    }
}

}  // namespace rw
