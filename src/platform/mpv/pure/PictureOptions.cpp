#include "platform/mpv/pure/PictureOptions.h"

#include <charconv>
#include <cmath>

namespace rw {
namespace {

// Written the C way whatever the locale: libmpv reads numbers so.
std::string Number(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4);
    return std::string(text, end.ptr);
}

double Part(const std::array<int, kPictureValueCount>& values, PictureValue which) {
    return values[static_cast<std::size_t>(which)] / 100.0;
}

}  // namespace

std::string AspectOverrideText(double aspect) {
    if (!std::isfinite(aspect) || aspect <= 0) return "-1";
    return Number(aspect);
}

std::string EqualizerFilter(const std::array<int, kPictureValueCount>& values) {
    if (values == std::array<int, kPictureValueCount>{}) return "";
    return "lavfi=[eq=brightness=" + Number(Part(values, PictureValue::Brightness)) +
           ":contrast=" + Number(1 + Part(values, PictureValue::Contrast)) +
           ":saturation=" + Number(1 + Part(values, PictureValue::Saturation)) +
           ":gamma=" + Number(std::pow(8.0, Part(values, PictureValue::Gamma))) + "]";
}

TurnedSize Turned(int width, int height, int turn) {
    const bool sideways = turn == 90 || turn == 270;
    return sideways ? TurnedSize{height, width} : TurnedSize{width, height};
}

}  // namespace rw
