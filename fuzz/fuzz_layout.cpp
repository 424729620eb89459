// The layout arithmetic and the number rules under it, over every double a
// window could report: raw bytes become the inputs, so not-a-number,
// infinities, huge values and subnormals all come up. A conversion of such a
// value to an integer would be undefined behaviour, which the sanitizer
// turns into a crash.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

#include "FuzzCheck.h"
#include "platform/PlayText.h"
#include "platform/mpv/pure/MovieGeometry.h"
#include "window/Layout.h"
#include "window/Numbers.h"
#include "window/Placement.h"

namespace {

// Reads the input as a stream of raw values; zeros once it is used up.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <class T>
    T Next() {
        T value{};
        unsigned char raw[sizeof(T)] = {};
        const std::size_t n = std::min(sizeof(T), size_ - used_);
        if (n > 0) std::memcpy(raw, data_ + used_, n);
        used_ += n;
        std::memcpy(&value, raw, sizeof(T));
        return value;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

void CheckNumbers(double value, std::int32_t a, std::int32_t b) {
    if (const auto r = rw::Round(value)) {
        FUZZ_CHECK(std::isfinite(value) && std::fabs(value - *r) <= 0.5);
    } else {
        FUZZ_CHECK(!std::isfinite(value) || std::fabs(value) > 2.1e9);
    }
    if (const auto q = rw::Div(a, b)) {
        FUZZ_CHECK(b != 0 && static_cast<std::int64_t>(*q) * b + a % b == a);
    } else {
        FUZZ_CHECK(b == 0 || (b == -1 && a == std::numeric_limits<std::int32_t>::min()));
    }
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    const auto added = rw::Add(a, b);
    FUZZ_CHECK(added ? *added == sum
                     : (sum > std::numeric_limits<std::int32_t>::max() ||
                        sum < std::numeric_limits<std::int32_t>::min()));
}

void CheckLayout(const rw::LayoutInput& in) {
    const rw::LayoutResult out = rw::ComputeLayout(in);
    FUZZ_CHECK(out.logoLeft.has_value() == out.logoTop.has_value());
    if (in.originalSize) FUZZ_CHECK(!out.movieRect && !out.outerHeight);
    if (out.movieRect) {
        // The movie always starts at the top; when the window is to shrink
        // to it, it also starts at the left.
        FUZZ_CHECK(out.movieRect->top == 0);
        if (out.outerHeight) FUZZ_CHECK(out.movieRect->left == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const auto flags = bytes.Next<std::uint8_t>();
    rw::LayoutInput in;
    in.originalSize = (flags & 1) != 0;
    in.showControls = (flags & 2) != 0;
    in.clientWidth = bytes.Next<double>();
    in.clientHeight = bytes.Next<double>();
    in.logoWidth = bytes.Next<double>();
    in.logoHeight = bytes.Next<double>();
    in.movieAspect = bytes.Next<double>();
    in.twipsPerPixelX = bytes.Next<double>();
    in.twipsPerPixelY = bytes.Next<double>();
    CheckLayout(in);

    const auto a = bytes.Next<std::int32_t>();
    const auto b = bytes.Next<std::int32_t>();
    for (double v : {in.clientWidth, in.clientHeight, in.movieAspect}) CheckNumbers(v, a, b);

    // Start-up's centring and its screen test take the same kind of values.
    if (const auto origin = rw::CentredOrigin(in.clientWidth, in.logoWidth)) {
        FUZZ_CHECK(std::isfinite(in.clientWidth - in.logoWidth));
    }
    const rw::RectTwips placement{in.clientWidth, in.clientHeight, in.logoWidth, in.logoHeight};
    const rw::RectTwips screen{0, 0, in.twipsPerPixelX, in.twipsPerPixelY};
    if (rw::TitleBarOnAnyScreen(placement, in.movieAspect, {screen})) {
        FUZZ_CHECK(!std::isnan(in.clientWidth) && !std::isnan(in.movieAspect));
    }
    FUZZ_CHECK(!rw::TitleBarOnAnyScreen(placement, in.movieAspect, {}));

    // The player's own conversions of reported times and screen resolutions.
    const std::string time = rw::FormatPlayTime(in.clientWidth);
    FUZZ_CHECK(!time.empty() && time.find(':') != std::string::npos);
    if (!(in.clientWidth >= 1.0)) FUZZ_CHECK(time == "0:00");
    const int bar = rw::ControllerHeightForDpi(in.twipsPerPixelX);
    if (in.twipsPerPixelX >= 0 && in.twipsPerPixelX <= 10000) {
        FUZZ_CHECK(bar >= 0 && bar <= 1528);
    }
    return 0;
}
