#include "platform/mpv/pure/MovieGeometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rw {
namespace {

// Coordinates beyond this are refused: they would overflow the arithmetic of
// widths, bar positions and Qt's own rectangles.
constexpr long long kMaxCoordinate = 1'000'000;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// The window reads the player's rectangles with its reader of numbers,
// which refuses a text longer than this with its spaces: the two sides of
// the exchange accept the same fields.
constexpr std::size_t kMaxFieldChars = 400;

std::optional<int> ParseCoordinate(std::string_view text) {
    if (text.size() > kMaxFieldChars) return std::nullopt;
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    if (value > kMaxCoordinate || value < -kMaxCoordinate) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::optional<PixelRect> ParseMovieRect(std::string_view text) {
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto comma = text.find(',');
        const bool last = i == 3;
        if (last != (comma == std::string_view::npos)) return std::nullopt;
        const auto value = ParseCoordinate(text.substr(0, comma));
        if (!value) return std::nullopt;
        values[i] = *value;
        if (!last) text.remove_prefix(comma + 1);
    }
    return PixelRect{values[0], values[1], values[2], values[3]};
}

std::string FormatMovieRect(int width, int height) {
    return "0,0," + std::to_string(width) + "," + std::to_string(height);
}

std::optional<PixelRect> ControllerBarRect(const PixelRect& movie, int barHeight,
                                           const BarRoom& room) {
    if (movie.Width() <= 0 || movie.Height() < 0 || barHeight <= 0) return std::nullopt;
    int left = std::max(movie.left, 0);
    int right = std::min(movie.right, room.areaWidth);
    if (right <= left || right - left < room.neededWidth) {
        left = 0;
        right = std::max(room.areaWidth, 0);
    }
    if (right <= left) return std::nullopt;
    int top = movie.bottom;
    if (top + barHeight > room.areaHeight) top = std::max(room.areaHeight - barHeight, 0);
    return PixelRect{left, top, right, top + barHeight};
}

PixelRect FitInside(const PixelRect& box, int movieWidth, int movieHeight) {
    if (movieWidth <= 0 || movieHeight <= 0 || box.Width() <= 0 || box.Height() <= 0) return box;
    // In 64 bits: sides up to the coordinate limit multiply safely.
    const long long across = static_cast<long long>(box.Height()) * movieWidth / movieHeight;
    int width = box.Width(), height = box.Height();
    if (across <= box.Width()) {
        width = static_cast<int>(across);
    } else {
        height = static_cast<int>(static_cast<long long>(box.Width()) * movieHeight / movieWidth);
    }
    const int left = box.left + (box.Width() - width) / 2;
    const int top = box.top + (box.Height() - height) / 2;
    return PixelRect{left, top, left + width, top + height};
}

bool SameShape(const PixelRect& rect, int movieWidth, int movieHeight) {
    if (rect.Width() <= 0 || rect.Height() <= 0 || movieWidth <= 0 || movieHeight <= 0) {
        return false;
    }
    // Cross-multiplied in 64 bits: a pixel off in each side of the rectangle
    // moves the products apart by at most the sum of the movie's sides.
    const long long across = static_cast<long long>(rect.Width()) * movieHeight;
    const long long down = static_cast<long long>(rect.Height()) * movieWidth;
    return std::llabs(across - down) <= static_cast<long long>(movieWidth) + movieHeight;
}

int ControllerHeightForDpi(double dpi) {
    return static_cast<int>(std::lround(220.0 * dpi / 1440.0));
}

int WholePixelScale(int areaWidth, int areaHeight, int movieWidth, int movieHeight,
                    double devicePixelRatio) {
    if (movieWidth <= 0 || movieHeight <= 0) return 0;
    if (areaWidth != movieWidth || areaHeight != movieHeight) return 0;
    if (!std::isfinite(devicePixelRatio)) return 0;
    const double whole = std::round(devicePixelRatio);
    // Qt's ratios are exact for whole scale factors (2.0, not 1.9999).
    if (whole < 1 || whole > 16 || std::abs(devicePixelRatio - whole) > 1e-6) return 0;
    return static_cast<int>(whole);
}

std::string FormatPlayTime(double seconds) {
    // Unknown (NaN, infinite) reads as nothing; the cap keeps the conversion
    // below defined.
    if (!std::isfinite(seconds) || seconds < 0) seconds = 0;
    seconds = std::min(seconds, 1e12);
    const auto total = static_cast<long long>(seconds);
    const long long h = total / 3600;
    const long long m = total / 60 % 60;
    const long long s = total % 60;
    char text[32];
    if (h > 0) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", h, m, s);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", m, s);
    }
    return text;
}

}  // namespace rw
