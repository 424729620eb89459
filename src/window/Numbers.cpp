#include "window/Numbers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace rw {

std::optional<std::int32_t> Round(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // nearbyint uses the default rounding mode, to nearest with ties to even.
    const double r = std::nearbyint(value);
    if (r < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(r);
}

std::optional<std::int32_t> Div(std::int32_t a, std::int32_t b) {
    if (b == 0) return std::nullopt;
    if (a == std::numeric_limits<std::int32_t>::min() && b == -1) return std::nullopt;
    return a / b;  // C++ truncates toward zero
}

std::optional<std::int32_t> Add(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    if (sum < std::numeric_limits<std::int32_t>::min() ||
        sum > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(sum);
}

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// Only the plain decimal grammar: from_chars alone would accept "inf",
// "nan" and hex-like forms.
bool IsDecimalGrammar(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

std::optional<double> ParseNumber(const std::string& text) {
    // A settings file may hold megabyte-long junk; no number is that long.
    if (text.size() > 400) return std::nullopt;
    std::size_t b = 0, e = text.size();
    while (b < e && IsSpace(text[b])) ++b;
    while (e > b && IsSpace(text[e - 1])) --e;
    std::string s = text.substr(b, e - b);
    if (!IsDecimalGrammar(s)) return std::nullopt;
    const char* first = s.data();
    if (*first == '+') ++first;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> ParseInt32(const std::string& text) {
    const auto v = ParseNumber(text);
    if (!v) return std::nullopt;
    return Round(*v);
}

std::optional<std::int16_t> ParseInt16(const std::string& text) {
    const auto v = ParseInt32(text);
    if (!v || *v < std::numeric_limits<std::int16_t>::min() ||
        *v > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*v);
}

std::optional<float> ParseSingle(const std::string& text) {
    const auto v = ParseNumber(text);
    if (!v) return std::nullopt;
    // Values up to half a unit above the largest float round to it, as any
    // decimal text does: FormatSingle writes that float as 3.4028235e+38,
    // which is slightly above it. From the half unit on, the value rounds to
    // infinity and is out of range.
    constexpr float kMax = std::numeric_limits<float>::max();
    const double halfUnitAbove = static_cast<double>(kMax) + std::ldexp(1.0, 103);
    if (std::fabs(*v) >= halfUnitAbove) return std::nullopt;
    if (std::fabs(*v) > kMax) return *v > 0 ? kMax : -kMax;
    return static_cast<float>(*v);
}

std::optional<bool> ParseBoolean(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true") return true;
    if (lower == "false") return false;
    const auto v = ParseNumber(text);
    if (!v) return std::nullopt;
    return *v != 0.0;
}

std::string FormatBoolean(bool value) { return value ? "True" : "False"; }

std::string FormatSingle(float value) {
    char buf[64];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    if (ec != std::errc()) return "0";
    return std::string(buf, ptr);
}

}  // namespace rw
