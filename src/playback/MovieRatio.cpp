#include "playback/MovieRatio.h"

#include <array>
#include <cstdint>
#include <limits>

#include "platform/Step.h"
#include "window/Numbers.h"

namespace rw {

std::array<std::int32_t, 4> ReadRectText(const std::string& text) {
    std::array<std::int32_t, 4> rect{};
    // Every field, the last included, is followed by a comma.
    const std::string fields = text + ",";
    std::size_t start = 0;
    std::size_t index = 0;
    for (std::size_t comma = fields.find(','); comma != std::string::npos;
         comma = fields.find(',', start)) {
        if (index < rect.size()) {
            if (const auto v = ParseInt32(fields.substr(start, comma - start))) rect[index] = *v;
        }
        ++index;
        start = comma + 1;
    }
    return rect;
}

double AspectFromRectText(const std::string& text) {
    const std::array<std::int32_t, 4> rect = ReadRectText(text);
    const std::int64_t height = static_cast<std::int64_t>(rect[3]) - rect[1];
    const std::int64_t width = static_cast<std::int64_t>(rect[2]) - rect[0];
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    if (height < lo || height > hi || width < lo || width > hi) return 0.0;
    // IEEE division on purpose: 0/0 is not-a-number, x/0 an infinity.
    return static_cast<double>(height) / static_cast<double>(width);
}

double MovieAspectRatio(Form& form) {
    std::string text;
    if (!Step([&] { text = form.player.MovieRect(); })) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return AspectFromRectText(text);
}

}  // namespace rw
